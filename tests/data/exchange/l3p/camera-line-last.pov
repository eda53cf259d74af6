camera {
