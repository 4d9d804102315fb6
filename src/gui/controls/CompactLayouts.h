#pragma once

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

// The pages share a fixed 596 x 408 window, so their layouts keep margins and gaps small.
namespace CompactLayouts {

inline constexpr int Margin = 4;
inline constexpr int Gap = 3;

template <typename Layout> Layout* tighten(Layout* layout, int margin = Margin) {
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(Gap);
    return layout;
}

inline QFormLayout* form(QWidget* parent = nullptr) {
    auto* layout = tighten(new QFormLayout(parent));
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return layout;
}

inline QVBoxLayout* column(QWidget* parent = nullptr, int margin = Margin) {
    return tighten(new QVBoxLayout(parent), margin);
}

inline QHBoxLayout* row(QWidget* parent = nullptr, int margin = 0) {
    return tighten(new QHBoxLayout(parent), margin);
}

inline QGridLayout* grid(QWidget* parent = nullptr, int margin = Margin) {
    return tighten(new QGridLayout(parent), margin);
}

} // namespace CompactLayouts
