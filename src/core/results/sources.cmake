# Sources of the results subsystem.
