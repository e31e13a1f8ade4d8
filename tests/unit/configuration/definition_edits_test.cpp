#include <gtest/gtest.h>

#include "configuration/definition_edits.h"
#include "configuration/directory_edits.h"

namespace {

std::vector<ScanDefinition> definitionsWithIds(std::initializer_list<int> ids)
{
    std::vector<ScanDefinition> list;
    for (int id : ids) {
        ScanDefinition definition;
        definition.id = id;
        definition.name = "d" + std::to_string(id);
        list.push_back(definition);
    }
    return list;
}

std::vector<ScanDirectory> directoriesUsing(std::initializer_list<int> ids)
{
    std::vector<ScanDirectory> list;
    for (int id : ids)
        addScanDirectory(list, "C:\\", id);
    return list;
}

TEST(DefinitionDeletion, LastDefinitionAndMissingCurrentCannotGo)
{
    EXPECT_EQ(decideDefinitionDeletion(definitionsWithIds({3}), 0, {}), DefinitionDeletion::Impossible);
    EXPECT_EQ(decideDefinitionDeletion({}, 0, {}), DefinitionDeletion::Impossible);
    EXPECT_EQ(decideDefinitionDeletion(definitionsWithIds({3, 4}), -1, {}), DefinitionDeletion::Impossible);
    EXPECT_EQ(decideDefinitionDeletion(definitionsWithIds({3, 4}), 2, {}), DefinitionDeletion::Impossible);
}

TEST(DefinitionDeletion, OnlyTheWorkingCopyOfDirectoriesCounts)
{
    const auto definitions = definitionsWithIds({0, 1, 2});
    EXPECT_EQ(decideDefinitionDeletion(definitions, 1, directoriesUsing({0, 1})), DefinitionDeletion::InUse);
    // The directory was moved to definition 2 in the working copy, without apply.
    EXPECT_EQ(decideDefinitionDeletion(definitions, 1, directoriesUsing({0, 2})), DefinitionDeletion::Allowed);
    EXPECT_EQ(decideDefinitionDeletion(definitions, 2, {}), DefinitionDeletion::Allowed);
}

TEST(DefinitionDeletion, NextSelectionIsTheItemThatMovedUpOrThePreviousOne)
{
    const struct {
        int deleted;
        int remaining;
        int next;
    } cases[] = {
        {0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {0, 1, 0}, {1, 1, 0}, {0, 0, -1}, {-1, 3, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(itemAfterDeletion(c.deleted, c.remaining), c.next) << c.deleted << " of " << c.remaining;
}

TEST(DefinitionEdits, PatternsMakeTheCatalogueStaleNamesDoNot)
{
    EXPECT_FALSE(editMakesCatalogueStale(DefinitionField::Name));
    EXPECT_TRUE(editMakesCatalogueStale(DefinitionField::Include));
    EXPECT_TRUE(editMakesCatalogueStale(DefinitionField::Exclude));
}

TEST(DefinitionEdits, TextsAreCutToTheBoxLimitAndAnEmptyNameIsKept)
{
    ScanDefinition definition;
    definition.flags = AddFolderNames;
    applyDefinitionTexts(definition, "", std::string(300, '*'), "*.ini");
    EXPECT_EQ(definition.name, "");
    EXPECT_EQ(definition.include.size(), MaxEditText);
    EXPECT_EQ(definition.exclude, "*.ini");
    EXPECT_EQ(definition.flags, AddFolderNames);
}

TEST(DefinitionLookup, IndexFollowsTheIdNotTheOrder)
{
    const auto definitions = definitionsWithIds({5, 0, 9});
    EXPECT_EQ(indexOfDefinition(definitions, 9), 2);
    EXPECT_EQ(indexOfDefinition(definitions, 0), 1);
    EXPECT_EQ(indexOfDefinition(definitions, 1), -1);
}

TEST(WorkingCopyCommit, RecommendationOnlyGrows)
{
    std::vector<int> committed = {1};
    bool recommended = false;
    commitWorkingCopy(committed, std::vector<int>{2, 3}, false, recommended);
    EXPECT_EQ(committed, (std::vector<int>{2, 3}));
    EXPECT_FALSE(recommended);
    commitWorkingCopy(committed, std::vector<int>{}, true, recommended);
    EXPECT_TRUE(committed.empty());
    EXPECT_TRUE(recommended);
    // A later apply with nothing stale keeps an earlier recommendation.
    commitWorkingCopy(committed, std::vector<int>{4}, false, recommended);
    EXPECT_TRUE(recommended);
}

TEST(DefinitionAdd, NewIdIsTheNextScanIdOfThatMoment)
{
    auto definitions = definitionsWithIds({0, 1, 2});
    std::int32_t nextScanId = 7;
    EXPECT_EQ(addScanDefinition(definitions, nextScanId, "New definition", "*", "", 0), 7);
    EXPECT_EQ(nextScanId, 8);
    EXPECT_EQ(indexOfDefinition(definitions, 7), 3);
}

} // namespace
