# Sources of the chart subsystem.
