// The component base class: an object that may be owned by another component, which then
// destroys it together with itself.
#pragma once

#include <vector>

namespace zor {

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const noexcept { return owner_; }
    int ComponentCount() const noexcept { return static_cast<int>(components_.size()); }

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

}  // namespace zor
