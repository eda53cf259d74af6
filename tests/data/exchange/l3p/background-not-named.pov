// Background:
sky_sphere { }
