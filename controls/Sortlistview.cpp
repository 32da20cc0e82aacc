#include "Sortlistview.h"

#include "controls/PixelDrawing.h"

#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>

using namespace PixelDrawing;

THeaderItemLayout LayoutHeaderItem(const QRect& item, QSize picture, Qt::Alignment alignment,
                                   QSize caption)
{
    const int left = item.x();
    const int top = item.y();
    const int right = RightOf(item);
    const int bottom = BottomOf(item);

    THeaderItemLayout layout;
    if (picture.isEmpty()) {
        layout.picture = FromEdges(right, top, right, top);
    } else {
        const int pictureLeft = std::max(right - 5 - picture.width(), left);
        const int pictureRight = std::min(pictureLeft + picture.width(), right);
        const int pictureTop = std::max(top + (item.height() - picture.height()) / 2, top);
        const int pictureBottom = std::min(pictureTop + picture.height(), bottom);
        layout.picture = FromEdges(pictureLeft, pictureTop, pictureRight, pictureBottom);
    }

    int textLeft = left + 5;
    int textRight = right - 5;
    int textTop = top;
    int textBottom = bottom;
    const int pictureLeft = layout.picture.x();
    const int width = textRight - textLeft;
    if (width > 0) {
        if (alignment & Qt::AlignRight) {
            textRight = pictureLeft - 2;
        } else if (alignment & Qt::AlignHCenter) {
            if (textRight - (width - caption.width()) / 2 + 2 > pictureLeft)
                textRight = pictureLeft - 2;
        } else if (textLeft + caption.width() + 2 > pictureLeft) {
            textRight = pictureLeft - 2;
        }
        const int shift = (textBottom - textTop - caption.height()) / 2;
        textTop += shift;
        textBottom += shift;
    }
    layout.text = FromEdges(textLeft, textTop, textRight, textBottom);
    return layout;
}

TSortListHeader::TSortListHeader(TSortListView* list)
    : QHeaderView(Qt::Horizontal, list), list_(list)
{
    setSectionsClickable(true);
    setSortIndicatorShown(false);
}

void TSortListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    option.sortIndicator = QStyleOptionHeader::None;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->restore();
    painter->save();
    list_->DrawHeaderItem(*painter, rect, logicalIndex);
    painter->restore();
}

TSortListView::TSortListView(QWidget* parent) : QTreeWidget(parent)
{
    setHeader(new TSortListHeader(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    // The list never sorts itself, but its headers take clicks.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        HeaderClick(column);
        repaintHeader();
        emit columnClicked(column);
    });
}

void TSortListView::repaintHeader()
{
    header()->viewport()->update();
}

void TSortListView::SetIncrease(bool increase)
{
    if (increase_ == increase)
        return;
    increase_ = increase;
    repaintHeader();
}

void TSortListView::SetSortColumn(int column)
{
    if (sortColumn_ == column)
        return;
    sortColumn_ = column;
    repaintHeader();
}

void TSortListView::SetSkipSort1(int column)
{
    if (skipSort1_ == column)
        return;
    skipSort1_ = column;
    if (skipSort1_ == sortColumn_)
        SetSortColumn(column + 1);
}

void TSortListView::SetIncBMP(const QImage& picture)
{
    if (incBmp_.cacheKey() == picture.cacheKey())
        return;
    incBmp_ = picture;
    repaintHeader();
}

void TSortListView::SetDecBMP(const QImage& picture)
{
    if (decBmp_.cacheKey() == picture.cacheKey())
        return;
    decBmp_ = picture;
    repaintHeader();
}

void TSortListView::HeaderClick(int column)
{
    if (column == skipSort1_)
        return;
    if (column == sortColumn_)
        increase_ = !increase_;
    else
        sortColumn_ = column;
}

void TSortListView::DrawHeaderItem(QPainter& painter, const QRect& rect, int column) const
{
    const QImage picture = increase_ ? incBmp_ : decBmp_;
    const bool withPicture = !picture.isNull() && column == sortColumn_;
    const QString caption = headerItem()->text(column);
    const Qt::Alignment alignment =
        Qt::Alignment(headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask;

    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize captionSize(metrics.horizontalAdvance(caption), metrics.height());
    const THeaderItemLayout layout =
        LayoutHeaderItem(rect, withPicture ? picture.size() : QSize(), alignment, captionSize);

    if (rect.width() > 10 && layout.text.width() > 0) {
        const Qt::Alignment horizontal = alignment ? alignment : Qt::AlignLeft;
        painter.setLayoutDirection(layoutDirection());
        painter.setPen(header()->palette().color(QPalette::ButtonText));
        const QString shown = metrics.elidedText(caption, Qt::ElideRight, layout.text.width());
        painter.drawText(layout.text, horizontal | Qt::AlignTop | Qt::TextExpandTabs, shown);
    }
    if (withPicture)
        painter.drawImage(layout.picture.topLeft(), picture,
                          QRect(QPoint(0, 0), layout.picture.size()));
}
