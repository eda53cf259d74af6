// BACKGROUND:
background { color rgb <1,0,0>}
