# Sources of the calendar subsystem.
