camera {
    location <-0,-1000,-0>
    look_at <10, -30, 20>
    angle 25
}
