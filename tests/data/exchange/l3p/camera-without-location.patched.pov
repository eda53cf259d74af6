camera {
look_at <1,1,1>
    angle 25
}
light_source { location <1,2,3> }
