// Writes the display names of a generated catalogue, one per line: the names file on which
// tandor-query is measured against other filters (bench/query_peers.sh).
#include "catalogue_generator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const unsigned long count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const Catalogue catalogue = makeRealisticCatalogue(count);
    std::string out;
    for (const CatalogueEntry& entry : catalogue.entries) {
        out += entry.name;
        out += '\n';
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
