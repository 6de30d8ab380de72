#include "document/BookEncryption.h"

#include "document/BookPath.h"
#include "document/MarkupTokens.h"
#include "document/TagAttribute.h"

namespace sorna {

std::set<std::string, std::less<>> EncryptedEntries(std::u16string_view encryption) {
    std::set<std::string, std::less<>> entries;
    ForEachMarkupToken(encryption, [&entries](const MarkupToken& token) {
        if (!token.isTag || TagName(token.text) != u"CipherReference") {
            return;
        }
        const auto uri = TagAttribute(token.text, "URI");
        if (const auto target = ResolveBookLink("", uri.value_or(u""))) {
            entries.insert(target->entry);
        }
    });
    return entries;
}

}  // namespace sorna
