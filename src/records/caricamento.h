// Registers read together. A large register's loader goes in two steps:
// `leggi` reads the file into the register's table (and its index) and
// touches nothing else, so that the registers a form needs are read at
// once, each on a thread of its own; `chiudi(n)` then does the rest on the
// program's thread, in the order given: the counts the forms keep.
#pragma once

#include <functional>
#include <vector>

namespace ga {

struct Caricamento {
    std::function<int()> leggi;  // the records read
    std::function<void(int)> chiudi;
};

// Every `leggi` at once (the first on this thread), then every `chiudi` in
// order. An exception of a `leggi` reaches the caller once all have ended,
// and no `chiudi` runs.
void carica_insieme(const std::vector<Caricamento>& registri);

}  // namespace ga
