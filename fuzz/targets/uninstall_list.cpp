// uninst.dir: the remover over a file system made of the input. Whatever the list holds, every
// path handed to the system lies on a local drive and ends in "\Tandor", and every deletion
// lies directly inside a data folder that was opened as a real folder.
#include "fuzz_target.h"

#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/user_data_remover.h"

#include <cstring>

namespace {

const std::string DataFolderEnd = std::string("\\") + DataFolderName;

class ListBytes : public ByteSource {
public:
    explicit ListBytes(std::string text) : text_(std::move(text)) {}
    int next() override { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_++]) : End; }

private:
    std::string text_;
    std::size_t at_ = 0;
};

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool isSafeFolder(const std::string& folder)
{
    return folder.find('\0') == std::string::npos && isLocalAbsolutePath(folder) && endsWith(folder, DataFolderEnd);
}

// What each folder holds and is, chosen by the input; the same for every folder.
class InputFolders : public UserDataFolders {
public:
    InputFolders(FolderKind kind, std::vector<FolderEntry> entries, bool removable)
        : kind_(kind), entries_(std::move(entries)), removable_(removable)
    {
    }

    FolderKind openFolder(const std::string& folder) override
    {
        FUZZ_CHECK(isSafeFolder(folder));
        open_ = kind_ == FolderKind::Folder ? folder : std::string();
        if (kind_ != FolderKind::Folder)
            anyFailed = true;
        return kind_;
    }

    bool listEntries(const std::string& pattern, std::vector<FolderEntry>& entries) override
    {
        FUZZ_CHECK(!open_.empty() && pattern == open_ + "\\*.*");
        entries = entries_;
        return true;
    }

    void deleteAsFile(const std::string& path) override
    {
        FUZZ_CHECK(!open_.empty() && path.compare(0, open_.size() + 1, open_ + "\\") == 0);
        const std::string name = path.substr(open_.size() + 1);
        FUZZ_CHECK(!name.empty() && name != "." && name != "..");
        FUZZ_CHECK(name.find_first_of(std::string("\\/\0", 3)) == std::string::npos);
        bool listedAsFile = false;
        for (const FolderEntry& entry : entries_)
            listedAsFile = listedAsFile || (entry.name == name && !entry.isLink);
        FUZZ_CHECK(listedAsFile);
    }

    bool removeFolder(const std::string& folder) override
    {
        FUZZ_CHECK(folder == open_);
        open_.clear();
        anyFailed = anyFailed || !removable_;
        return removable_;
    }

    bool anyFailed = false;

private:
    FolderKind kind_;
    std::vector<FolderEntry> entries_;
    bool removable_;
    std::string open_;
};

} // namespace

TANDOR_FUZZ_TARGET(uninstall_list)
{
    FuzzInput input(data, size);
    const std::uint8_t choices = input.byte();
    const FolderKind kinds[] = {FolderKind::Folder, FolderKind::Link, FolderKind::Missing, FolderKind::Folder};
    std::vector<FolderEntry> entries;
    for (int count = input.byte() % 4; count > 0; --count) {
        const bool isLink = (input.byte() & 1) != 0;
        entries.push_back(FolderEntry{input.text(), isLink});
    }
    InputFolders folders(kinds[choices & 3], entries, (choices & 4) != 0);
    ListBytes bytes(input.rest());
    LinePieceReader list(bytes);
    const int exitCode = removeListedDataFolders(list, folders);
    if (folders.anyFailed)
        FUZZ_CHECK(exitCode == HelperFailed);
}
