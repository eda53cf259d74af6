camera {
location <1,2,3>
look_at <0,0,0>
}
