#include "cadlink/GetAttPrompt.h"

namespace tavor::cad {

std::u16string GetAttPrompt(Document& document, const std::u16string& blockName,
                            const std::u16string& tag) {
    const auto blocks = document.GetBlocks();
    const std::int32_t count = blocks->Count();
    for (std::int32_t k = 0; k < count; ++k) {
        const auto block = blocks->Item(k);
        if (block->Name() != blockName)
            continue;
        const std::int32_t entities = block->Count();
        for (std::int32_t j = 0; j < entities; ++j) {
            const auto entity = block->Item(j);
            if (entity->EntityName() == kAttributeDefinition && entity->TagString() == tag)
                return entity->PromptString();
        }
        break;
    }
    return {};
}

}  // namespace tavor::cad
