// BACKGROUND:
background { color rgb <1,1,1> }
