// Compiled against one layer's folder of headers (build/layers/<layer>/) by
// the tests layer_<layer>_sees_nothing_above, with GA_INCLUDE_SOPRA naming a
// header of a layer above it: the compiler must not find that header.
#include GA_INCLUDE_SOPRA
