background { color rgb <1,1,1> }
CAMERA
location <1,2,3>
