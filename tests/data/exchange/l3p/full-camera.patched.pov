Camera {
    #declare PCT = 300 // Percentage further away
    location <-0,-1000,-0>
    sky -y
    look_at <10, -30, 20>
    angle 25
}
look_at <9,9,9>
