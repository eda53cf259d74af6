camera {
    location <-0,-1000,-0>
    angle 25
