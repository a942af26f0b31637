// The generator's picture table, compiled into the asset tests so sizes are checked against it.
#include "assets/picture_table.cpp"
