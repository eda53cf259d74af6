#version 3.0
#include "lg_color.inc"
#include "lg_defs.inc"

#include "test.inc"

background { color rgb <1,0.501960784313725,0>}
/*object {
 plane { z, -1*LG_TOP_HEIGHT } // locate the plane below a baseplate
  pigment {color DarkGreen}
}*/

light_source { <-50, -35, 45> color White }
light_source { <20, 60, 50> color White }
light_source { <-45, -45, 30> color White }

camera {
 location <-0*LG_BRICK_WIDTH, -0*LG_BRICK_WIDTH, 56.6964472452693*LG_BRICK_HEIGHT>
 angle 20
 sky <0, 0, 1>
 up <0, 1, 0>
 look_at <1*LG_BRICK_WIDTH, -2*LG_BRICK_WIDTH, 1*LG_BRICK_HEIGHT>
}
