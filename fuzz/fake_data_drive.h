// A drive of folders, files and links behind the remover's system interface, for the unit tests
// and the fuzz target of uninst.dir. Hard links are files that share an id. The drive checks the
// remover's promises on every call and notes each one broken in `faults`: a path is held part by
// part from the drive's root and given up at its first refusal; nothing is listed, opened or
// deleted unless every part of the path was held as a real folder; a file is deleted only when
// its one name is one of the launcher's, directly inside the held data folder.
#pragma once

#include "installhelpers/user_data_folders.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class FakeDataDrive : public UserDataFolders {
public:
    enum class Kind { Folder, File, Link };
    struct Node {
        Kind kind;
        std::uint64_t id;
    };

    // An id of 0 gives the node a new one.
    void addNode(const std::string& path, Kind kind, std::uint64_t id = 0)
    {
        nodes_[path] = Node{kind, id != 0 ? id : nextId_++};
    }
    void addFolder(const std::string& path)
    {
        addParents(path);
        if (!exists(path))
            addNode(path, Kind::Folder);
    }
    void addFile(const std::string& path, std::uint64_t id = 0)
    {
        addParents(path);
        addNode(path, Kind::File, id);
    }
    void addLink(const std::string& path)
    {
        addParents(path);
        addNode(path, Kind::Link);
    }
    void erase(const std::string& path) { nodes_.erase(path); }
    bool exists(const std::string& path) const { return nodes_.count(path) != 0; }
    std::uint64_t idOf(const std::string& path) const { return nodes_.at(path).id; }
    std::vector<std::string> pathsWithId(std::uint64_t id) const
    {
        std::vector<std::string> paths;
        for (const auto& [path, node] : nodes_) {
            if (node.id == id)
                paths.push_back(path);
        }
        return paths;
    }

    // Called before each look at a path, so that a drive can be made as it is walked.
    std::function<void(const std::string& path)> beforeLook;
    // The user's move between the listing of an entry and its opening.
    std::function<void(std::uint64_t id)> beforeOpen;
    std::set<std::string> unlistable;
    std::set<std::string> undeletable;

    std::vector<std::string> held;    // every path held or refused, in order
    std::vector<std::string> deleted; // files
    std::vector<std::string> removed; // data folders
    std::vector<std::string> faults;
    int pathsStarted = 0;

    FolderKind holdPathPart(const std::string& path) override { return hold(path, false); }
    FolderKind holdDataFolder(const std::string& path) override { return hold(path, true); }

    bool listDataFolder(const std::function<void(const FolderEntry&)>& visit) override
    {
        if (!expectDataFolderHeld("listing"))
            return false;
        const std::string& folder = chain_.back();
        if (unlistable.count(folder))
            return false;
        visit(FolderEntry{".", nodes_[folder].id, false, true});
        visit(FolderEntry{"..", nodes_[parentOf(folder)].id, false, true});
        for (const auto& [path, node] : nodes_) {
            if (parentOf(path) == folder)
                visit(FolderEntry{nameOf(path), node.id, node.kind == Kind::Link, node.kind == Kind::Folder});
        }
        return true;
    }

    OpenedEntry openEntry(std::uint64_t id) override
    {
        entryOpen_ = false;
        if (!expectDataFolderHeld("opening an entry"))
            return {};
        if (beforeOpen)
            beforeOpen(id);
        OpenedEntry opened;
        for (const auto& [path, node] : nodes_) {
            if (node.id != id)
                continue;
            opened.opened = true;
            opened.isLink = node.kind == Kind::Link;
            opened.isFolder = node.kind == Kind::Folder;
            opened.linkCount += node.kind == Kind::File ? 1 : 0;
        }
        entryOpen_ = opened.opened;
        openId_ = id;
        return opened;
    }

    bool deleteOpenEntry() override
    {
        if (!entryOpen_ || !expectDataFolderHeld("deleting an entry"))
            return fault("deleting with no entry open");
        entryOpen_ = false;
        const std::vector<std::string> names = pathsWithId(openId_);
        if (names.size() != 1 || nodes_[names[0]].kind != Kind::File || parentOf(names[0]) != chain_.back() ||
            !isLaunchersName(nameOf(names[0]))) {
            return fault("deleted what is not the launcher's: " + (names.empty() ? std::string() : names[0]));
        }
        if (undeletable.count(names[0]))
            return false;
        nodes_.erase(names[0]);
        deleted.push_back(names[0]);
        return true;
    }

    bool deleteDataFolder() override
    {
        if (!expectDataFolderHeld("deleting the folder"))
            return false;
        const std::string folder = chain_.back();
        for (const auto& entry : nodes_) {
            if (parentOf(entry.first) == folder)
                return false;
        }
        if (undeletable.count(folder))
            return false;
        nodes_.erase(folder);
        removed.push_back(folder);
        dataHeld_ = false;
        return true;
    }

    void letGo() override
    {
        chain_.clear();
        refused_ = false;
        dataHeld_ = false;
        entryOpen_ = false;
    }

    static bool isDriveRoot(const std::string& path)
    {
        return path.size() == 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
               path[2] == '\\';
    }

    static std::string parentOf(const std::string& path)
    {
        if (isDriveRoot(path))
            return std::string();
        const std::size_t separator = path.rfind('\\');
        if (separator == std::string::npos)
            return std::string();
        return separator == 2 ? path.substr(0, 3) : path.substr(0, separator);
    }

    static std::string nameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

private:
    void addParents(const std::string& path)
    {
        const std::string parent = parentOf(path);
        if (!parent.empty())
            addFolder(parent);
    }

    FolderKind hold(const std::string& path, bool isDataFolder)
    {
        if (refused_ || dataHeld_)
            fault("held on past the end of a path: " + path);
        const bool isNextPart = chain_.empty() ? isDriveRoot(path)
                                               : parentOf(path) == chain_.back() && isPlainName(nameOf(path));
        if (!isNextPart || (isDataFolder && nameOf(path) != "Tandor"))
            fault("held out of order: " + path);
        if (chain_.empty())
            ++pathsStarted;
        held.push_back(path);
        if (beforeLook)
            beforeLook(path);
        const auto node = nodes_.find(path);
        FolderKind kind = node == nodes_.end() ? (isDriveRoot(path) ? FolderKind::Folder : FolderKind::Missing)
                          : node->second.kind == Kind::Folder ? FolderKind::Folder
                          : node->second.kind == Kind::Link   ? FolderKind::Link
                                                              : FolderKind::Missing;
        if (kind == FolderKind::Folder && !exists(path))
            addNode(path, Kind::Folder);
        if (kind != FolderKind::Folder)
            refused_ = true;
        else
            chain_.push_back(path);
        dataHeld_ = isDataFolder && kind == FolderKind::Folder;
        return kind;
    }

    static bool isPlainName(const std::string& name)
    {
        return !name.empty() && name != "." && name != ".." &&
               name.find_first_of(std::string("/\0", 2)) == std::string::npos;
    }

    static bool isLaunchersName(std::string name)
    {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (const char* own : {"settings.ini", "scandb.dat", "scores.dat"}) {
            if (name == own || name == std::string(own) + ".new")
                return true;
        }
        return false;
    }

    bool expectDataFolderHeld(const char* what)
    {
        return dataHeld_ || fault(std::string(what) + " without a held data folder");
    }

    bool fault(const std::string& what)
    {
        faults.push_back(what);
        return false;
    }

    std::map<std::string, Node> nodes_;
    std::vector<std::string> chain_;
    bool refused_ = false;
    bool dataHeld_ = false;
    bool entryOpen_ = false;
    std::uint64_t openId_ = 0;
    std::uint64_t nextId_ = 1u << 20;
};
