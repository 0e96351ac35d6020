# Sources of the naming subsystem.
