#include "link/Pellix.h"
#include "protocol/CompatibilityError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

struct Thrower {
    const char* name;
    std::function<void()> raise;
    const std::type_info& type;
};

const std::vector<Thrower>& LinkErrors() {
    static const std::vector<Thrower> errors{
        {"ConnectionError", [] { throw Pellix::ConnectionError(); },
         typeid(Pellix::ConnectionError)},
        {"InitializeError", [] { throw Pellix::InitializeError(); },
         typeid(Pellix::InitializeError)},
        {"OpenError", [] { throw Pellix::OpenError(); }, typeid(Pellix::OpenError)},
        {"ReadError", [] { throw Pellix::ReadError(); }, typeid(Pellix::ReadError)},
        {"WriteError", [] { throw Pellix::WriteError(); }, typeid(Pellix::WriteError)},
    };
    return errors;
}

TEST(LinkErrors, CarryAnEmptyMessageAndKeepTheirTypeThroughTheBaseHandler) {
    for (const Thrower& error : LinkErrors()) {
        try {
            error.raise();
            ADD_FAILURE() << error.name << " was not thrown";
        } catch (const Pellix::ConnectionError& caught) {
            EXPECT_EQ(std::string(caught.what()), "") << error.name;
            EXPECT_EQ(typeid(caught), error.type) << error.name;
        }
    }
}

TEST(LinkErrors, ARuntimeErrorHandlerCatchesAllOfThemAndCompatibilityError) {
    std::vector<Thrower> all = LinkErrors();
    all.push_back(
        {"CompatibilityError", [] { throw CompatibilityError(); }, typeid(CompatibilityError)});
    for (const Thrower& error : all) {
        try {
            error.raise();
        } catch (const std::runtime_error& caught) {
            EXPECT_EQ(std::string(caught.what()), "") << error.name;
            EXPECT_EQ(typeid(caught), error.type) << error.name;
        }
    }
}

TEST(LinkErrors, CompatibilityErrorIsNotALinkError) {
    bool caughtAsLinkError = false;
    try {
        try {
            throw CompatibilityError();
        } catch (const Pellix::ConnectionError&) {
            caughtAsLinkError = true;
        }
    } catch (const CompatibilityError&) {
    }
    EXPECT_FALSE(caughtAsLinkError);
}

TEST(LinkErrors, AReadErrorHandlerIgnoresSiblingsAndTheBase) {
    for (const Thrower& error : LinkErrors()) {
        bool caughtAsRead = false;
        try {
            try {
                error.raise();
            } catch (const Pellix::ReadError&) {
                caughtAsRead = true;
            }
        } catch (const Pellix::ConnectionError&) {
        }
        EXPECT_EQ(caughtAsRead, error.type == typeid(Pellix::ReadError)) << error.name;
    }
}

} // namespace
