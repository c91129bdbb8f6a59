// The list view: columns with headings and widths, sorting, multi-select with Shift and Ctrl,
// double-click or Enter to open, the context menu by mouse or keyboard. A long list draws only the
// rows near the part scrolled to (list_window.js); selection, cursor, keys and sorting work on all
// of its rows.
//
// options: label, key (keeps the sort order per folder), onOpen(rows), onMenu(rows, x, y),
// onSelect(rowIndex).
import { anchorPoint, el } from "./dom.js";
import { RowWindow } from "./list_window.js";
import { t } from "./texts.js";

function savedSort(key) {
  return key ? JSON.parse(sessionStorage.getItem(`ptp-sort/${key}`) || "null") : null;
}

const collator = new Intl.Collator(undefined, { numeric: true, sensitivity: "base" });

export class ListView {
  constructor(columns, rows, options) {
    this.columns = columns;
    this.rows = rows;
    this.options = options;
    this.sort = savedSort(options.key) || { column: -1, ascending: true };
    this.selected = new Set();
    this.anchor = -1;
    this.cursor = -1;
    this.order = [];
    this.positions = new Map();
    this.table = el("table", {
      class: "list", role: "grid", "aria-label": options.label, "aria-multiselectable": "true",
      "aria-rowcount": rows.length + 1,
    });
    this.wrap = el("div", { class: "list-wrap", tabindex: "0", "aria-label": options.label }, this.table);
    this.window = new RowWindow(this.wrap);
    this.listen();
    this.render();
    this.element = this.rows.length === 0 ? this.withEmptyNote() : this.wrap;
  }

  listen() {
    this.wrap.addEventListener("keydown", (event) => this.keydown(event));
    this.wrap.addEventListener("contextmenu", (event) => this.contextmenu(event));
    this.wrap.addEventListener("mousedown", (event) => this.mousedown(event));
    this.wrap.addEventListener("dblclick", (event) => {
      if (event.target.closest("tbody tr")) this.open();
    });
    this.wrap.addEventListener("scroll", () => this.update());
    // Also tells the list when it first comes onto the page, and so how high its rows are.
    const resized = () => {
      if (this.wrap.isConnected) this.update();
    };
    if (typeof ResizeObserver === "function") new ResizeObserver(resized).observe(this.wrap);
  }

  withEmptyNote() {
    return el("div", {}, this.wrap, el("p", { class: "empty", text: t(this.options.empty || "folderEmpty") }));
  }

  // A list shown again for the same folder keeps the selection, cursor and scroll position of the
  // one before.
  keepSelectionOf(previous) {
    if (previous.options.key !== this.options.key) return;
    const indexOf = new Map(this.rows.map((row, index) => [row.id, index]));
    const same = (index) => (previous.rows[index] ? indexOf.get(previous.rows[index].id) ?? -1 : -1);
    for (const index of previous.selected) {
      if (same(index) >= 0) this.selected.add(same(index));
    }
    this.cursor = same(previous.cursor);
    this.anchor = same(previous.anchor);
    this.window.pendingTop = previous.window.top();
    this.update();
    this.paint();
  }

  // Chooses one row, as the console does for the row a dialog left selected.
  choose(rowIndex) {
    this.selected.add(rowIndex);
    this.cursor = rowIndex;
    this.paint();
    this.reveal();
  }

  positionOf(rowIndex) {
    return this.positions.get(rowIndex) ?? -1;
  }

  sortedOrder() {
    const order = this.rows.map((_, index) => index);
    const column = this.sort.column;
    if (column < 0) return order;
    const cellOf = (index) => this.rows[index].cells[column] || "";
    order.sort((a, b) => collator.compare(cellOf(a), cellOf(b)) * (this.sort.ascending ? 1 : -1));
    return order;
  }

  heading(column, index) {
    const sorted = this.sort.column === index ? (this.sort.ascending ? "ascending" : "descending") : "none";
    const button = el("button", {
      type: "button",
      text: column.text,
      onclick: () => this.sortBy(index),
      "aria-label": t("sortBy", column.text),
    });
    return el("th", { scope: "col", "aria-sort": sorted }, button);
  }

  rowElement(rowIndex, position) {
    const row = this.rows[rowIndex];
    const tr = el("tr", { "data-index": rowIndex, "data-id": row.id, "aria-rowindex": position + 2 });
    row.cells.forEach((cell) => tr.append(el("td", { text: cell, title: cell })));
    for (let i = row.cells.length; i < this.columns.length; ++i) tr.append(el("td"));
    return tr;
  }

  // Widths are set from script: the page's policy forbids inline style attributes.
  columnGroup() {
    const colgroup = el("colgroup");
    for (const column of this.columns) {
      const col = el("col");
      if (column.width) col.style.width = `${Math.max(40, column.width)}px`;
      colgroup.append(col);
    }
    return colgroup;
  }

  // The spacer above the rows drawn sits under the headings, the one below them in the foot, so
  // the body holds the rows and nothing else.
  render() {
    this.order = this.sortedOrder();
    this.positions = new Map(this.order.map((rowIndex, position) => [rowIndex, position]));
    const { above, below } = this.window.reset(this.columns.length);
    const headings = el("tr", {}, ...this.columns.map((column, index) => this.heading(column, index)));
    this.table.replaceChildren(this.columnGroup(), el("thead", {}, headings, above), el("tbody"), el("tfoot", {}, below));
    this.update();
  }

  // Draws the rows the window wants now: after scrolling, resizing, or a new order.
  update() {
    const body = this.table.tBodies[0];
    this.window.measure(this.table.tHead.rows[0], body);
    this.draw(body);
    if (this.window.takePendingTop()) this.draw(body);
  }

  rowsAt(from, to) {
    const made = [];
    for (let position = from; position < to; ++position) made.push(this.rowElement(this.order[position], position));
    return made;
  }

  // Rows still wanted stay the elements they are; those that scrolled far off go.
  draw(body) {
    const [first, last] = this.window.wanted(this.order.length);
    const { first: was, last: wasLast } = this.window;
    if (first !== was || last !== wasLast) {
      if (last <= was || first >= wasLast) {
        body.replaceChildren(...this.rowsAt(first, last));
      } else {
        for (let position = was; position < first; ++position) body.firstElementChild.remove();
        for (let position = last; position < wasLast; ++position) body.lastElementChild.remove();
        body.prepend(...this.rowsAt(first, was));
        body.append(...this.rowsAt(wasLast, last));
      }
      this.window.first = first;
      this.window.last = last;
      this.paint();
    }
    this.window.space(this.order.length);
  }

  // Marks the selection and the cursor on the rows in place, so a row under the mouse stays the
  // same element between the two clicks of a double-click.
  paint() {
    for (const tr of this.table.tBodies[0].rows) {
      const index = Number(tr.dataset.index);
      tr.setAttribute("aria-selected", this.selected.has(index) ? "true" : "false");
      tr.classList.toggle("cursor", this.cursor === index);
    }
  }

  // Scrolls the cursor's row into view, drawing it first when it is far from what was drawn.
  reveal() {
    const position = this.positionOf(this.cursor);
    if (position < 0) return;
    this.window.bring(position);
    this.update();
    const cursorRow = this.table.querySelector("tbody tr.cursor");
    if (cursorRow && typeof cursorRow.scrollIntoView === "function") cursorRow.scrollIntoView({ block: "nearest" });
  }

  sortBy(column) {
    if (this.sort.column === column) this.sort.ascending = !this.sort.ascending;
    else this.sort = { column, ascending: true };
    if (this.options.key) sessionStorage.setItem(`ptp-sort/${this.options.key}`, JSON.stringify(this.sort));
    this.render();
    this.reveal();
  }

  clearSelection() {
    this.selected.clear();
    this.paint();
  }

  selectRange(rowIndex, keep) {
    const from = this.positionOf(this.anchor);
    const to = this.positionOf(rowIndex);
    if (!keep) this.selected.clear();
    for (let i = Math.min(from, to); i <= Math.max(from, to); ++i) this.selected.add(this.order[i]);
  }

  selectOne(rowIndex, toggle) {
    if (!toggle) this.selected.clear();
    if (toggle && this.selected.has(rowIndex)) this.selected.delete(rowIndex);
    else this.selected.add(rowIndex);
    this.anchor = rowIndex;
  }

  select(rowIndex, { shift = false, ctrl = false }) {
    if (shift && this.anchor >= 0) this.selectRange(rowIndex, ctrl);
    else this.selectOne(rowIndex, ctrl);
    this.cursor = rowIndex;
    this.paint();
    this.reveal();
    this.wrap.focus();
    if (this.options.onSelect) this.options.onSelect(rowIndex);
  }

  chosen() {
    return this.order.filter((index) => this.selected.has(index)).map((index) => this.rows[index]);
  }

  open() {
    const chosen = this.chosen();
    if (chosen.length && this.options.onOpen) this.options.onOpen(chosen);
  }

  menu(x, y) {
    if (!this.options.onMenu) return;
    if (x === undefined) {
      this.reveal();
      ({ x, y } = anchorPoint(this.table.querySelector("tbody tr.cursor") || this.wrap, 40));
    }
    this.options.onMenu(this.chosen(), x, y);
  }

  mousedown(event) {
    const row = event.target.closest("tbody tr");
    if (event.button !== 0 || !row) return;
    this.select(Number(row.dataset.index), { shift: event.shiftKey, ctrl: event.ctrlKey || event.metaKey });
  }

  contextmenu(event) {
    if (event.target.closest("thead")) return;
    event.preventDefault();
    const row = event.target.closest("tbody tr");
    if (!row) this.clearSelection();
    else if (!this.selected.has(Number(row.dataset.index))) this.select(Number(row.dataset.index), {});
    this.menu(event.clientX, event.clientY);
  }

  // Arrow keys move the selection with the cursor; with Ctrl only the cursor moves.
  moveTo(position, event) {
    if (position < 0 || position >= this.order.length) return;
    const rowIndex = this.order[position];
    if (event.ctrlKey && !event.shiftKey) {
      this.cursor = rowIndex;
      this.paint();
      this.reveal();
      return;
    }
    this.select(rowIndex, { shift: event.shiftKey, ctrl: false });
  }

  selectAll() {
    this.order.forEach((index) => this.selected.add(index));
    this.paint();
  }

  // Page Up and Page Down stop at the first and last row rather than not moving.
  keyHandler(event) {
    const position = this.positionOf(this.cursor);
    const step = (delta) => () => this.moveTo(position < 0 ? 0 : position + delta, event);
    const page = (delta) => () => this.moveTo(Math.min(this.order.length - 1, Math.max(0, position + delta)), event);
    const keys = {
      ArrowDown: step(1),
      ArrowUp: step(-1),
      PageDown: page(Math.max(1, this.window.pageRows() - 1)),
      PageUp: page(-Math.max(1, this.window.pageRows() - 1)),
      Home: () => this.moveTo(0, event),
      End: () => this.moveTo(this.order.length - 1, event),
      " ": () => this.cursor >= 0 && this.select(this.cursor, { ctrl: event.ctrlKey }),
      Enter: () => this.open(),
      ContextMenu: () => this.menu(),
    };
    if (event.key === "a" && (event.ctrlKey || event.metaKey)) return () => this.selectAll();
    if (event.key === "F10" && event.shiftKey) return keys.ContextMenu;
    return keys[event.key];
  }

  keydown(event) {
    if (event.target.closest("thead")) return;
    const handler = this.keyHandler(event);
    if (!handler) return;
    handler();
    event.preventDefault();
  }
}
