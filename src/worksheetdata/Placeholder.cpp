// Replaced as the data layer grows.
