camera {
look_at <1,1,1>
}
light_source { location <1,2,3> }
