#include "configuration/definition_edits.h"

#include "configuration/directory_edits.h"

int indexOfDefinition(const std::vector<ScanDefinition>& list, std::int32_t id)
{
    const ScanDefinition* definition = findScanDefinition(list, id);
    return definition ? static_cast<int>(definition - list.data()) : -1;
}

DefinitionDeletion decideDefinitionDeletion(const std::vector<ScanDefinition>& definitions, int current,
                                            const std::vector<ScanDirectory>& workingDirectories)
{
    if (definitions.size() <= 1 || current < 0 || static_cast<std::size_t>(current) >= definitions.size())
        return DefinitionDeletion::Impossible;
    if (isDefinitionInUse(workingDirectories, definitions[current].id))
        return DefinitionDeletion::InUse;
    return DefinitionDeletion::Allowed;
}

int itemAfterDeletion(int deletedItem, int remainingCount)
{
    if (remainingCount <= 0)
        return -1;
    if (deletedItem < 0)
        return 0;
    return deletedItem >= remainingCount ? remainingCount - 1 : deletedItem;
}

bool editMakesCatalogueStale(DefinitionField field)
{
    return field != DefinitionField::Name;
}

void applyDefinitionTexts(ScanDefinition& definition, const std::string& name, const std::string& include,
                          const std::string& exclude)
{
    definition.name = name.substr(0, MaxEditText);
    definition.include = include.substr(0, MaxEditText);
    definition.exclude = exclude.substr(0, MaxEditText);
}
