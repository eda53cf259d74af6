  #declare Color3 = texture {
pigment { rgb 0.7*<0.1,0.5,0.2> }
#declare Color30 = texture {
pigment { rgb 0.7*<0.1,0.5,0.2> }
#declare Color10 = texture {
pigment { rgb <0.0,1,0.0392157> }
#declare Color42 = texture {
pigment { rgbf <0.0,1,0.0392157,0.85> }
#declare color3 = texture {
kept: the test is case-sensitive

#declare Color3 = texture {
