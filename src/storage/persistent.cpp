// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistent.h"

#include "streamerror.h"

#include <algorithm>

void TPersistent::DefineProperties(TFiler &)
{
}

TComponent::TComponent(TComponent *owner) : m_owner(owner)
{
    if (m_owner)
        m_owner->m_components.push_back(this);
}

TComponent::~TComponent()
{
    for (TComponent *c : m_components)
        c->m_owner = nullptr;
    if (m_owner)
        std::erase(m_owner->m_components, this);
}

void TComponent::setName(const QString &name)
{
    if (name == m_name)
        return;
    if (!name.isEmpty() && m_owner) {
        TComponent *other = m_owner->findComponent(name);
        if (other && other != this)
            throw StreamError(StreamMessages::duplicateName(name));
    }
    m_name = name;
}

TComponent *TComponent::findComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent *c : m_components) {
        if (c->name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

std::vector<TComponent *> TComponent::children() const
{
    std::vector<TComponent *> out;
    out.reserve(m_children.size());
    for (const auto &c : m_children)
        out.push_back(c.get());
    return out;
}

void TComponent::adoptChild(std::unique_ptr<TComponent> child)
{
    child->setParentComponent(this);
    m_children.push_back(std::move(child));
}

void TComponent::moveChild(TComponent *child, int position)
{
    auto it = std::find_if(m_children.begin(), m_children.end(),
                           [child](const auto &c) { return c.get() == child; });
    if (it == m_children.end())
        return;
    std::unique_ptr<TComponent> held = std::move(*it);
    m_children.erase(it);
    position = std::clamp(position, 0, int(m_children.size()));
    m_children.insert(m_children.begin() + position, std::move(held));
}

void TComponent::Loaded()
{
    m_loading = false;
}
