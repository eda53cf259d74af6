// Background:
