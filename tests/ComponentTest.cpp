// Ownership of components.
#include <gtest/gtest.h>

#include "platform/Component.h"

namespace {

struct Probe : zor::TComponent {
    Probe(zor::TComponent* owner, int& destroyed) : TComponent(owner), destroyed_(destroyed) {}
    ~Probe() override { ++destroyed_; }
    int& destroyed_;
};

TEST(Component, OwnerDestroysWhatItOwnsAndAChildLeavesItsOwnerWhenDestroyedFirst) {
    int destroyed = 0;
    {
        zor::TComponent owner;
        new Probe(&owner, destroyed);
        auto* early = new Probe(&owner, destroyed);
        EXPECT_EQ(2, owner.ComponentCount());
        delete early;
        EXPECT_EQ(1, owner.ComponentCount());
        EXPECT_EQ(1, destroyed);
    }
    EXPECT_EQ(2, destroyed);
}

}  // namespace
