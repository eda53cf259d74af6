  #declare Color3 = texture {
pigment { rgb <0,0,0> }
#declare Color30 = texture {
pigment { rgb <0,0,0> }
#declare Color10 = texture {
old
#declare Color42 = texture {
old
#declare color3 = texture {
kept: the test is case-sensitive
#declare PCT = 20 // Percentage further away
#declare Color3 = texture {
