#include "catalog.h"

#include "frmchiude.h"
#include "frmgeomira.h"
#include "frmio.h"

#include <array>
#include <utility>

namespace {
using Factory = std::unique_ptr<Form> (*)(Platform &);

template <typename Window>
std::unique_ptr<Form> make(Platform &platform)
{
    return std::make_unique<Window>(platform);
}

// Adding a window to the program: one line here.
constexpr std::array windows{
    std::pair<std::string_view, Factory>{"frmGeomira", &make<FrmGeomira>},
    std::pair<std::string_view, Factory>{"frmIo", &make<FrmIo>},
    std::pair<std::string_view, Factory>{"frmChiude", &make<FrmChiude>},
};

Factory factory(std::string_view formName)
{
    for (const auto &[name, make] : windows) {
        if (name == formName)
            return make;
    }
    return nullptr;
}
} // namespace

std::vector<std::string_view> windowNames()
{
    std::vector<std::string_view> names;
    for (const auto &window : windows)
        names.push_back(window.first);
    return names;
}

bool hasWindow(std::string_view formName)
{
    return factory(formName) != nullptr;
}

std::unique_ptr<Form> createWindow(std::string_view formName, Platform &platform)
{
    const Factory make = factory(formName);
    return make ? make(platform) : nullptr;
}
