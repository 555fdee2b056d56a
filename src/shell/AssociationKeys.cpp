#include "AssociationKeys.h"

std::vector<AssociationKeys::Entry> AssociationKeys::forExtension(const std::string& className,
                                                                  const std::string& commandLine,
                                                                  const std::string& extension,
                                                                  const std::string& verb,
                                                                  const std::string& icon)
{
    const std::string shellVerb = verb.empty() ? std::string("Open") : verb;
    std::vector<Entry> entries{
        {"." + extension, className},
        {className + "\\Shell\\" + shellVerb + "\\Command", commandLine},
    };
    if (!icon.empty())
        entries.push_back({className + "\\DefaultIcon", icon});
    return entries;
}
