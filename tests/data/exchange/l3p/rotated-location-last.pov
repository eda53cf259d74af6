camera {
location vaxis_rotate(<0,0,-1>,<1,0,0>,30)
