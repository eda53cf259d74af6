camera {
location <1,2,3>
look_at <1,1,1>
}
