// What a test does on the console's page, as a user would: open folders, use context menus,
// answer message boxes, fill the plug-in's sheets. Every wait is for a condition on the page.

export const FOLDERS = {
  NPF: "Originator Connection Profiles",
  NRC: "Receiver Connection Profiles",
  NMD: "Modems",
};

// Signs in with the start URL and opens `hash` (a folder or view address).
export async function openConsole(page, console, hash = "") {
  await page.goto(console.url);
  if (hash) await page.goto(`${console.origin}/${hash}`);
}

// Opens a folder of the demo system through the tree, the way a user finds it.
export async function openFolderInTree(page, folder) {
  const demo = page.getByRole("treeitem", { name: "DEMO" });
  await demo.waitFor();
  for (const name of ["DEMO", "Network", "Remote Access Services"]) {
    const item = page.getByRole("treeitem", { name, exact: true });
    if ((await item.getAttribute("aria-expanded")) !== "true") await item.locator(".tree-row").first().click();
  }
  await page.getByRole("treeitem", { name: FOLDERS[folder], exact: true }).locator(".tree-row").first().click();
  await page.waitForFunction((title) => document.querySelector("#view-title").textContent.startsWith(title), FOLDERS[folder]);
  await page.locator(`#view table.list[aria-label="${FOLDERS[folder]}"] tbody tr`).first().waitFor();
}

const exactly = (text) => new RegExp(`^${text.replace(/[.*+?^${}()|[\]\\]/g, "\\$&")}$`);

export function row(page, name) {
  return page.locator("#view table.list tbody tr").filter({ has: page.locator("td:first-child", { hasText: exactly(name) }) });
}

export async function rowNames(page) {
  return page.locator("#view table.list tbody tr td:first-child").allTextContents();
}

// The text of one cell, by the column's heading.
export async function cell(page, name, heading) {
  const headings = await page.locator("#view table.list thead th").allTextContents();
  const column = headings.indexOf(heading);
  if (column < 0) throw new Error(`no column ${heading} in ${headings.join(", ")}`);
  return row(page, name).locator("td").nth(column).textContent();
}

// Waits until the cell shows a text that `accept` takes; the view refreshes on its own.
export async function waitForCell(page, name, heading, accept, timeout = 60000) {
  const until = Date.now() + timeout;
  let seen = [];
  for (;;) {
    const text = (await row(page, name).count()) ? await cell(page, name, heading) : null;
    if (text !== null && seen[seen.length - 1] !== text) seen.push(text);
    if (text !== null && accept(text)) return seen;
    if (Date.now() > until) throw new Error(`${name}/${heading} never matched; saw ${seen.join(" -> ")}`);
    await page.waitForResponse((response) => response.url().includes("/api/"), { timeout: 10000 }).catch(() => {});
  }
}

export function menu(page, level = 0) {
  return page.locator("#menu-layer [role=menu]").nth(level);
}

// The entries of an open menu: text, greyed, default, checked, popup, and separators as "-".
export async function menuEntries(page, level = 0) {
  await menu(page, level).waitFor();
  return menu(page, level).locator("li").evaluateAll((items) => items.map((item) => {
    if (item.getAttribute("role") === "separator") return "-";
    return {
      text: item.textContent,
      greyed: item.getAttribute("aria-disabled") === "true",
      default: item.classList.contains("default"),
      checked: item.getAttribute("aria-checked") === "true",
      popup: item.getAttribute("aria-haspopup") === "menu",
    };
  }));
}

export async function rightClick(page, name) {
  await row(page, name).locator("td").first().click({ button: "right" });
  await menu(page).waitFor();
}

export function menuEntry(page, text, level = 0) {
  return menu(page, level).locator('li[role^="menuitem"]').filter({ hasText: exactly(text) });
}

// The message box on top: its text and icon, once it is shown.
export async function messageBox(page) {
  const box = page.locator("#dialog-layer [role=alertdialog]").last();
  await box.waitFor();
  return {
    box,
    text: await box.locator(".message-text").textContent(),
    icon: await box.locator(".message-icon").getAttribute("aria-label"),
    buttons: await box.locator("footer button").evaluateAll((buttons) => buttons.map((b) => b.dataset.answer)),
    primary: await box.locator("footer button.primary").getAttribute("data-answer"),
  };
}

export async function answer(page, button) {
  const { box } = await messageBox(page);
  const serial = await box.getAttribute("data-serial");
  await box.locator(`footer button[data-answer="${button}"]`).click();
  await page.waitForFunction((gone) => !document.querySelector(`#dialog-layer [data-serial="${gone}"]`), serial);
}

// The plug-in's dialog on top.
export function pluginDialog(page) {
  return page.locator("#dialog-layer .plugin-dialog").last();
}

// Types into a field of the dialog and leaves it, so the dialog takes the text.
export async function typeInto(page, label, text) {
  const field = pluginDialog(page).getByLabel(label, { exact: true });
  await field.fill(text);
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await field.press("Tab");
  await settled;
}

export async function statusText(page, wanted) {
  await page.waitForFunction((text) => document.querySelector("#status-text").textContent === text, wanted);
}

// The command log of the demo system, as the console's own view shows it: the command texts.
export async function loggedCommands(page) {
  return page.evaluate(async () => {
    const log = await (await fetch("/api/log?system=DEMO")).json();
    return log.rows.map((entry) => entry.cells[2]);
  });
}
