# Sources of the app subsystem.
