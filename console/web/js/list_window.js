// Which rows of a list are drawn: a short list all of them, a long one only those in and near the
// part scrolled to. Spacer rows above and below stand for the rest at their full height, so the
// scrollbar is true to the whole list. Cells do not wrap, so every row is as high as the drawn
// ones measure.
import { el } from "./dom.js";

// A list this short is drawn whole: nothing to gain, and nothing moves under the mouse.
const WHOLE = 200;
// Rows drawn beyond each edge of what shows, so scrolling a little draws nothing new.
const SPARE = 40;
// Until rows were measured on the page: a row's height and the list's, in pixels.
const GUESSED_ROW = 26;
const GUESSED_VIEW = 1000;

function spacer(columns) {
  const row = el("tr", { class: "list-spacer", "aria-hidden": "true", hidden: true });
  row.append(el("td", { colspan: columns }));
  return row;
}

export class RowWindow {
  constructor(scroller) {
    this.scroller = scroller;
    this.rowHeight = 0;
    this.headHeight = 0;
    this.first = 0;
    this.last = 0;
    this.above = null;
    this.below = null;
    // A scroll position to take once the list is on the page (a list shown again).
    this.pendingTop = null;
  }

  // New spacers for a table drawn afresh; nothing of it is drawn yet.
  reset(columns) {
    this.first = 0;
    this.last = 0;
    this.above = spacer(columns);
    this.below = spacer(columns);
    return { above: this.above, below: this.below };
  }

  onPage() {
    return this.scroller.isConnected && this.scroller.clientHeight > 0;
  }

  height() {
    return this.rowHeight || GUESSED_ROW;
  }

  top() {
    return this.pendingTop ?? this.scroller.scrollTop;
  }

  // The rows that fit in the visible part of the list, below its sticky headings.
  pageRows() {
    const view = this.onPage() ? this.scroller.clientHeight - this.headHeight : GUESSED_VIEW;
    return Math.max(1, Math.floor(view / this.height()));
  }

  // The positions [first, last) that show in the scroller.
  shown(count) {
    const top = Math.max(0, Math.floor(this.top() / this.height()));
    const first = Math.min(top, count);
    return [first, Math.min(count, first + this.pageRows() + 2)];
  }

  // The positions to draw for a list of `count` rows: what is drawn already while it still covers
  // what shows, otherwise what shows and spare rows either side.
  wanted(count) {
    if (count <= WHOLE) return [0, count];
    const [first, last] = this.shown(count);
    if (this.last <= count && first >= this.first && last <= this.last) return [this.first, this.last];
    return [Math.max(0, first - SPARE), Math.min(count, last + SPARE)];
  }

  // Takes the heights of the rows drawn, once they are on the page.
  measure(headRow, body) {
    if (!this.onPage() || body.rows.length === 0) return;
    const height = body.getBoundingClientRect().height / body.rows.length;
    if (height > 0) this.rowHeight = height;
    this.headHeight = headRow.getBoundingClientRect().height;
  }

  // Sizes the spacers for the rows not drawn of `count` rows.
  space(count) {
    const size = (row, rows) => {
      row.hidden = rows === 0;
      row.style.height = `${rows * this.height()}px`;
    };
    size(this.above, this.first);
    size(this.below, count - this.last);
  }

  // Takes a scroll position kept for when the list is on the page; true when one was taken.
  takePendingTop() {
    if (this.pendingTop === null || !this.onPage()) return false;
    this.scroller.scrollTop = this.pendingTop;
    this.pendingTop = null;
    return true;
  }

  // Scrolls as little as needed for the row at `position` to show whole below the headings.
  bring(position) {
    if (!this.onPage()) return;
    const rowTop = position * this.height();
    const view = this.scroller.clientHeight - this.headHeight;
    if (rowTop < this.scroller.scrollTop) this.scroller.scrollTop = rowTop;
    else if (rowTop + this.height() > this.scroller.scrollTop + view) this.scroller.scrollTop = rowTop + this.height() - view;
  }
}
