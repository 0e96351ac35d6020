# Sources of the reference-data subsystem.
