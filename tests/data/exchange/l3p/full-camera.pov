Camera {
    #local Away = PCT / 100
    location vaxis_rotate(<0,0,-1>,<1,0,0>,30)
    <1,2,3>
    sky -y
    look_at <0,0,0>
    angle 40
}
look_at <9,9,9>
