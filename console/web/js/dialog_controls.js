// The controls of a plug-in dialog, drawn from the toolkit's picture of them. What the user does
// goes back through `act(action, extra)`; the dialog answers with its new picture.
import { el, plainLabel } from "./dom.js";
import { ListView } from "./list_view.js";
import { t } from "./texts.js";

const LABELLED_KINDS = new Set(["static", "groupbox", "button", "checkbox", "radio"]);
const INPUT_KINDS = new Set(["edit", "combobox", "listbox", "spin", "listview"]);

function withPlainLabels(control) {
  const plain = Object.assign({}, control, { label: plainLabel(control.label) });
  if (LABELLED_KINDS.has(control.kind)) plain.text = plainLabel(control.text);
  return plain;
}

function caption(control) {
  return control.text || control.label;
}

function checkLabel(input, control, disabled, extraClass = "") {
  return el("label", { class: `check${extraClass}${disabled ? " control-disabled" : ""}` }, input, el("span", { text: caption(control) }));
}

function groupBox(control) {
  return [el("h3", { class: "full group-title", "data-control": control.id, text: caption(control) })];
}

function edit(control, c) {
  const input = el("input", Object.assign({}, c.common, {
    type: control.password ? "password" : "text",
    maxlength: control.limit > 0 ? control.limit : null,
    readonly: control.readonly ? true : null,
    inputmode: control.number ? "numeric" : null,
  }));
  input.value = control.text || "";
  input._drawn = input.value;
  input.addEventListener("change", () => c.act("set", { control: control.id, text: input.value }));
  return [el("label", { for: c.id, text: c.label }), input];
}

function spin(control, c) {
  const step = (index) => () => c.act("spin", { control: control.id, index });
  const up = el("button", Object.assign({}, c.common, { type: "button", class: "button", "aria-label": t("increase", c.label), text: "\u25B2", onclick: step(1) }));
  const down = el("button", { type: "button", class: "button", disabled: c.common.disabled, "aria-label": t("decrease", c.label), text: "\u25BC", onclick: step(-1) });
  const box = el("div", { class: "spin", role: "group", "aria-label": c.label },
    el("span", { class: "spin-value", text: String(control.value) }), up, down);
  return [el("span", { text: c.label }), box];
}

function checkbox(control, c) {
  const input = el("input", Object.assign({}, c.common, { type: "checkbox" }));
  input.checked = Boolean(control.checked);
  input.addEventListener("change", () => c.act("check", { control: control.id, checked: input.checked }));
  return [checkLabel(input, control, c.disabled, " full")];
}

// Radio buttons after one another form one group; a control marked `group` starts a new one.
function radio(control, c) {
  const nodes = [];
  if (!c.radio.group || control.group) {
    c.radio.count += 1;
    c.radio.group = el("div", { class: "full radio-group", role: "radiogroup", "aria-label": caption(control) });
    nodes.push(c.radio.group);
  }
  const input = el("input", Object.assign({}, c.common, { type: "radio", name: `r-${c.serial}-${c.radio.count}` }));
  input.checked = Boolean(control.checked);
  input.addEventListener("change", () => c.act("check", { control: control.id, checked: true }));
  c.radio.group.append(checkLabel(input, control, c.disabled));
  return nodes;
}

// An editable combo box: a text field with the entries as suggestions.
function editableCombo(control, c) {
  const items = control.items || [];
  const input = el("input", Object.assign({}, c.common, { type: "text", list: `${c.id}-list`, maxlength: control.limit > 0 ? control.limit : null }));
  input.value = control.text || "";
  input._drawn = input.value;
  const options = el("datalist", { id: `${c.id}-list` }, ...items.map((item) => el("option", { value: item })));
  input.addEventListener("change", () => {
    const index = items.indexOf(input.value);
    if (index >= 0) c.act("select", { control: control.id, index });
    else c.act("set", { control: control.id, text: input.value });
  });
  return [el("label", { for: c.id, text: c.label }), el("div", {}, input, options)];
}

function choiceList(control, c) {
  if (control.editable && control.kind === "combobox") return editableCombo(control, c);
  const items = control.items || [];
  const size = control.kind === "listbox" ? Math.min(8, Math.max(3, items.length)) : null;
  const select = el("select", Object.assign({}, c.common, { size }));
  const unchosen = control.selected === undefined || control.selected < 0;
  if (!size && unchosen) select.append(el("option", { value: "-1", text: "" }));
  items.forEach((item, index) => select.append(el("option", { value: index, text: item })));
  select.value = String(unchosen ? -1 : control.selected);
  select.addEventListener("change", () => c.act("select", { control: control.id, index: Number(select.value) }));
  return [el("label", { for: c.id, text: c.label }), select];
}

function listView(control, c) {
  const rows = (control.rows || []).map((cells, index) => ({ id: String(index), cells }));
  const view = new ListView(control.columns || [], rows, {
    label: c.label,
    onOpen: (chosen) => c.act("open", { control: control.id, index: Number(chosen[0].id) }),
    onSelect: (index) => c.act("select", { control: control.id, index }),
  });
  if (control.selected !== undefined && control.selected >= 0) view.choose(control.selected);
  view.wrap.dataset.control = control.id;
  view.wrap.dataset.focusKey = `control-${control.id}`;
  if (control.focus) view.wrap.dataset.hasFocus = "true";
  const drawn = [el("div", { class: "full" }, el("span", { class: "list-label", text: c.label }), view.wrap)];
  if (control.editingRow >= 0 && control.editingRow < rows.length) drawn.push(...cellEditor(control, c, rows[control.editingRow]));
  return drawn;
}

// A row the dialog put into edit mode gets a field of its own under the list; leaving the field
// finishes the edit with its text.
function cellEditor(control, c, row) {
  const id = `${c.id}-edit`;
  const input = el("input", { id, type: "text", "data-focus-key": `edit-${control.id}`, "data-has-focus": "true" });
  input.value = row.cells[0] || "";
  input._drawn = input.value;
  input.addEventListener("change", () => c.act("editCell", { control: control.id, index: control.editingRow, text: input.value }));
  return [el("label", { for: id, text: t("editRow", control.editingRow + 1, c.label) }), input];
}

function button(control, c) {
  return [el("div", { class: "full" }, el("button", Object.assign({}, c.common, {
    type: "button",
    class: control.default ? "button primary" : "button",
    text: caption(control),
    onclick: () => c.act("click", { control: control.id }),
  })))];
}

const KINDS = {
  groupbox: groupBox, edit, spin, checkbox, radio, combobox: choiceList, listbox: choiceList,
  listview: listView, button, picture: () => [],
};

function otherControl(control) {
  return [el("p", { class: "full", text: caption(control) || "" })];
}

// What every drawn control carries: its id, where focus belongs, whether it is enabled.
function commonAttributes(serial, control) {
  return {
    id: `c-${serial}-${control.id}`,
    "data-control": control.id,
    "data-focus-key": `control-${control.id}`,
    "data-has-focus": control.focus ? "true" : null,
    disabled: control.enabled === false ? true : null,
  };
}

// A static text labels the input after it; otherwise it stands as a paragraph of its own.
class ControlGrid {
  constructor(serial, grid, act) {
    this.serial = serial;
    this.grid = grid;
    this.act = act;
    this.pendingLabel = null;
    this.groupTitle = null;
    this.radio = { group: null, count: 0 };
  }

  flushLabel() {
    const label = this.pendingLabel;
    if (label) this.grid.append(el("p", { class: "full", text: label.text, "data-control": label.id }));
    this.pendingLabel = null;
  }

  // An input without a text of its own takes the static before it, or else the title of the
  // group it opens.
  labelFor(control) {
    const groupTitle = this.groupTitle;
    this.groupTitle = null;
    if (!INPUT_KINDS.has(control.kind)) {
      this.flushLabel();
      if (control.kind === "groupbox") this.groupTitle = caption(control);
      return null;
    }
    const text = control.label || (this.pendingLabel && this.pendingLabel.text) || groupTitle || t("field", control.id);
    this.pendingLabel = null;
    return text;
  }

  add(control) {
    if (control.kind === "static") {
      this.flushLabel();
      if (caption(control)) this.pendingLabel = { text: caption(control), id: control.id };
      return;
    }
    const label = this.labelFor(control);
    if (control.kind !== "radio") this.radio.group = null;
    const common = commonAttributes(this.serial, control);
    const context = { id: common.id, common, label, disabled: Boolean(common.disabled), act: this.act, serial: this.serial, radio: this.radio };
    const draw = Object.hasOwn(KINDS, control.kind) ? KINDS[control.kind] : otherControl;
    this.grid.append(...draw(control, context));
  }
}

export function renderControls(serial, controls, grid, act) {
  const builder = new ControlGrid(serial, grid, act);
  for (const control of controls.filter((c) => c.visible !== false).map(withPlainLabels)) builder.add(control);
  builder.flushLabel();
}
