// Compiled once for each pair below with one header of the program: a library may include only
// headers of the libraries beneath it.
#include PROBE_HEADER
