// Ownership bookkeeping of the component base class.
#include "platform/Component.h"

#include <algorithm>

namespace zor {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    // Children unhook themselves from us as they go, so take the list first.
    std::vector<TComponent*> owned;
    owned.swap(components_);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        (*it)->owner_ = nullptr;
        delete *it;
    }
    if (owner_ != nullptr) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

}  // namespace zor
