// m.dat for POV-Ray in LDraw units, converted by tessaryn-cli
#version 3.0

#declare Color4 = texture {
    pigment { color rgb <0.768627,0.156863,0.105882> }
    finish { ambient 0.25 diffuse 0.7 phong 0.3 }
}

// Background:
background { color rgb <1,1,1> }

light_source { <-990,-1828,-1310> color rgb 1 }
light_source { <810,-2028,1490> color rgb 1 }
light_source { <-1790,-1228,1790> color rgb 1 }

// Camera:
camera {
    location <10,-728,-710>
    sky <0,-1,0>
    right <-4/3,0,0>
    look_at <10,-28,-10>
    angle 25
}

union {
    object { box { <0,0,24>, <20,20,32> } texture { Color4 } }
    matrix <1, 0, 0, 0, 0, -1, 0, -1, 0, 0, 0, 0>
}
