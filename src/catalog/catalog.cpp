// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"

#include "frmchiude.h"
#include "frmcilindro.h"
#include "frmcono.h"
#include "frmformule.h"
#include "frmfori.h"
#include "frmgeomira.h"
#include "frmio.h"
#include "frmqua.h"
#include "frmrad.h"
#include "frmsfera.h"
#include "frmtrap.h"
#include "frmtri.h"

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
    std::pair<std::string_view, Factory>{"frmFormule", &make<FrmFormule>},
    std::pair<std::string_view, Factory>{"frmCono", &make<FrmCono>},
    std::pair<std::string_view, Factory>{"frmCilindro", &make<FrmCilindro>},
    std::pair<std::string_view, Factory>{"frmSfera", &make<FrmSfera>},
    std::pair<std::string_view, Factory>{"frmTri", &make<FrmTri>},
    std::pair<std::string_view, Factory>{"frmQua", &make<FrmQua>},
    std::pair<std::string_view, Factory>{"frmTrap", &make<FrmTrap>},
    std::pair<std::string_view, Factory>{"frmRad", &make<FrmRad>},
    std::pair<std::string_view, Factory>{"frmFori", &make<FrmFori>},
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
