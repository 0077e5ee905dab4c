#include "engine/model/engine_texte.h"

namespace staffel {

std::string eingesetzt(TextId id, std::initializer_list<std::string_view> teile) {
    const std::string_view muster = deutsch(id);
    std::string text;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const char ziffer = i + 1 < muster.size() ? muster[i + 1] : '\0';
        const bool platzhalter = muster[i] == '%' && ziffer >= '1' &&
                                 static_cast<std::size_t>(ziffer - '1') < teile.size();
        if (platzhalter) {
            text.append(teile.begin()[ziffer - '1']);
            ++i;
        } else {
            text.push_back(muster[i]);
        }
    }
    return text;
}

std::string deutsch(RechenartName name) {
    if (!name.gegenrechenart) return std::string(deutsch(name.basis));
    return eingesetzt(TextId::NameGegenrechenart, {deutsch(name.basis)});
}

}  // namespace staffel
