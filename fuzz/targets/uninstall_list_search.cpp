// uninst.dir as the launcher searches it for its user's line: the list split anywhere gives the
// answer of the list read whole, and what the search adds is found by the next search.
#include "fuzz_target.h"

#include "settings/uninstall_list.h"

TANDOR_FUZZ_TARGET(uninstall_list_search)
{
    FuzzInput input(data, size);
    const std::string path = input.text();
    const std::size_t split = input.word();
    const std::string list = input.rest();

    const std::string addition = uninstallListAddition(path, list);
    UninstallListSearch inPieces(path);
    const std::size_t first = split < list.size() ? split : list.size();
    inPieces.read(list.data(), first);
    inPieces.read(list.data() + first, list.size() - first);
    FUZZ_CHECK(inPieces.addition() == addition);

    if (addition.empty())
        return;
    FUZZ_CHECK(addition.size() >= 2 && addition.compare(addition.size() - 2, 2, "\r\n") == 0);
    FUZZ_CHECK(uninstallListAddition(path, list + addition).empty());
}
