// uninst.dir: the remover over a drive that the input makes as it is walked: any part of a path
// may be a link or missing, a data folder holds the launcher's files, other files, folders,
// links and hard links to files elsewhere, and the user may delete or re-link a name between the
// listing and the opening of an entry. The drive itself checks that nothing behind a link,
// nothing not the launcher's and nothing with a name elsewhere is touched; exit code 0 means
// that every data folder the remover went for is gone.
#include "fuzz_target.h"

#include "fake_data_drive.h"
#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/user_data_remover.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using Kind = FakeDataDrive::Kind;

const char* const Names[] = {"Settings.ini", "scandb.dat", "scores.dat", "Settings.ini.new", "SCORES.DAT",
                             "scandb.dat.NEW", "notes.txt", "Tandor.exe", "Settings.ini.bak", "."};
constexpr std::size_t NameChoices = sizeof Names / sizeof Names[0];
constexpr int MostEntries = 8;
constexpr std::uint64_t IdsPerFolder = 256;
// The kinds of a newly seen path, by the input's byte: a folder mostly, so that paths go deep.
constexpr int KindChoices = 8;
constexpr int LinkChoice = 6;
constexpr int MissingChoice = 7;
enum Move { NoMove, DeleteName, LinkElsewhere, Relink, MoveChoices };

class ListBytes : public ByteSource {
public:
    explicit ListBytes(std::string text) : text_(std::move(text)) {}
    int next() override { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_++]) : End; }

private:
    std::string text_;
    std::size_t at_ = 0;
};

struct EntryPlan {
    std::string name;
    Kind kind;
    std::uint8_t id;
    bool linkedElsewhere;
};

std::vector<EntryPlan> readEntryPlans(FuzzInput& input)
{
    std::vector<EntryPlan> plans;
    for (int count = input.byte() % MostEntries; count > 0; --count) {
        const std::uint8_t choice = input.byte();
        const std::uint8_t shape = input.byte();
        const std::string name = choice % (NameChoices + 1) < NameChoices ? Names[choice % (NameChoices + 1)]
                                                                          : input.text();
        plans.push_back(EntryPlan{name, static_cast<Kind>(shape % 3), input.byte(), (shape & 4) != 0});
    }
    return plans;
}

const std::string Elsewhere = "Z:\\elsewhere\\";

std::string elsewhere(std::uint64_t id)
{
    return Elsewhere + std::to_string(id);
}

// Makes each path the remover looks at for the first time from the input's next kind; a data
// folder gets the planned entries, with ids of its own.
class DriveMaker {
public:
    DriveMaker(FakeDataDrive& drive, std::vector<EntryPlan> plans, std::string kinds)
        : drive_(drive), plans_(std::move(plans)), kinds_(std::move(kinds))
    {
    }

    void look(const std::string& path)
    {
        if (!seen_.insert(path).second || drive_.exists(path))
            return;
        const int choice =
            kinds_.empty() ? 0 : static_cast<unsigned char>(kinds_[next_++ % kinds_.size()]) % KindChoices;
        if (choice == MissingChoice)
            return;
        drive_.addNode(path, choice == LinkChoice ? Kind::Link : Kind::Folder);
        if (choice != LinkChoice && FakeDataDrive::nameOf(path) == "Tandor")
            fill(path);
    }

private:
    void fill(const std::string& folder)
    {
        const std::uint64_t firstId = ++folders_ * IdsPerFolder;
        for (const EntryPlan& plan : plans_) {
            if (plan.kind != Kind::File) {
                drive_.addNode(folder + "\\" + plan.name, plan.kind);
                continue;
            }
            // Files that share an id are hard links of one another.
            const std::uint64_t id = firstId + plan.id % IdsPerFolder;
            drive_.addNode(folder + "\\" + plan.name, Kind::File, id);
            if (plan.linkedElsewhere)
                drive_.addNode(elsewhere(id), Kind::File, id);
        }
    }

    FakeDataDrive& drive_;
    std::vector<EntryPlan> plans_;
    std::string kinds_;
    std::size_t next_ = 0;
    std::uint64_t folders_ = 0;
    std::set<std::string> seen_;
};

// The user's move as the remover opens an entry: deletes its names in the data folder, gives it
// a name elsewhere, or points its names at another file that has a name elsewhere.
void moveBeforeOpen(FakeDataDrive& drive, Move move, std::uint64_t id)
{
    const std::uint64_t other = id + 1;
    for (const std::string& path : drive.pathsWithId(id)) {
        if (path.compare(0, Elsewhere.size(), Elsewhere) == 0)
            continue;
        if (move == DeleteName)
            drive.erase(path);
        if (move == Relink)
            drive.addNode(path, Kind::File, other);
    }
    if (move == LinkElsewhere)
        drive.addNode(elsewhere(id), Kind::File, id);
    if (move == Relink)
        drive.addNode(elsewhere(other), Kind::File, other);
}

} // namespace

TANDOR_FUZZ_TARGET(uninstall_list)
{
    FuzzInput input(data, size);
    std::vector<EntryPlan> plans = readEntryPlans(input);
    const std::string kinds = input.text();
    const std::string moves = input.text();
    FakeDataDrive drive;
    DriveMaker maker(drive, std::move(plans), kinds);
    drive.beforeLook = [&maker](const std::string& path) { maker.look(path); };
    std::size_t opens = 0;
    drive.beforeOpen = [&drive, &moves, &opens](std::uint64_t id) {
        if (moves.empty())
            return;
        const auto choice = static_cast<unsigned char>(moves[opens++ % moves.size()]);
        moveBeforeOpen(drive, static_cast<Move>(choice % MoveChoices), id);
    };
    ListBytes bytes(input.rest());
    LinePieceReader list(bytes);
    const int exitCode = removeListedDataFolders(list, drive);
    for (const std::string& fault : drive.faults)
        std::fprintf(stderr, "%s\n", fault.c_str());
    FUZZ_CHECK(drive.faults.empty());
    if (exitCode == HelperSucceeded)
        FUZZ_CHECK(drive.removed.size() == static_cast<std::size_t>(drive.pathsStarted));
}
