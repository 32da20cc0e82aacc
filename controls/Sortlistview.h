#pragma once

#include <QHeaderView>
#include <QImage>
#include <QRect>
#include <QTreeWidget>

// Where a header item's caption and sort picture go, for the item rectangle: the picture
// 5 pixels in from the right edge and centred vertically, the caption 5 pixels in from both
// edges, kept 2 pixels clear of the picture and centred vertically.
struct THeaderItemLayout
{
    QRect picture; // empty (at the item's right edge) when no picture is drawn
    QRect text;    // the caption's rectangle, its top at the caption's first line
};

// picture is the size of the sort picture to draw, or an empty size for none; caption is the
// size the caption takes on one line.
THeaderItemLayout LayoutHeaderItem(const QRect& item, QSize picture, Qt::Alignment alignment,
                                   QSize caption);

class TSortListView;

// The header of a TSortListView: the section backgrounds are the style's, the captions and the
// sort picture the list's.
class TSortListHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TSortListHeader(TSortListView* list);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    TSortListView* list_;
};

// A report list that draws its own column headers: each shows its caption and, on the sort
// column, IncBMP or DecBMP by the direction. It keeps the sort state (SortColunm, Increase)
// and changes it on header clicks (a click on the sort column flips the direction, a click on
// another column makes it the sort column, a click on SkipSort1 does nothing); it never moves
// rows itself. An owner that wants sorted rows sorts them on columnClicked(), which follows
// the change of the state.
class TSortListView : public QTreeWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Increase READ Increase WRITE SetIncrease)
    Q_PROPERTY(int SortColunm READ SortColunm WRITE SetSortColumn)
    Q_PROPERTY(int SkipSort1 READ SkipSort1 WRITE SetSkipSort1)

public:
    explicit TSortListView(QWidget* parent = nullptr);

    bool Increase() const { return increase_; }
    void SetIncrease(bool increase);
    int SortColunm() const { return sortColumn_; }
    void SetSortColumn(int column);
    int SkipSort1() const { return skipSort1_; }
    void SetSkipSort1(int column);
    const QImage& IncBMP() const { return incBmp_; }
    void SetIncBMP(const QImage& picture);
    const QImage& DecBMP() const { return decBmp_; }
    void SetDecBMP(const QImage& picture);

    // What a click on the header of column does to the sort state.
    void HeaderClick(int column);
    // Draws the caption and the sort picture of one header item.
    void DrawHeaderItem(QPainter& painter, const QRect& rect, int column) const;

signals:
    // The user clicked the header of column; the sort state has been updated.
    void columnClicked(int column);

private:
    void repaintHeader();

    bool increase_ = true;
    int sortColumn_ = 0;
    int skipSort1_ = -1;
    QImage incBmp_;
    QImage decBmp_;
};
