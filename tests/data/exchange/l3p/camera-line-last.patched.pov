camera {
    angle 25
