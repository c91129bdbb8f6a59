// A folder of several hundred profiles in the web console: the list draws only the rows near what
// shows, and what the administrator does with mouse and keyboard reaches every row of it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions, ptpctl } from "./support.mjs";
import { answer, menuEntry, messageBox, openConsole, pluginDialog, row, rowNames } from "./console_page.mjs";

const session = consoleSessions();

// The originator folder's row names in the folder's own order, as the plug-in lists them to ptpctl.
function folderNames(console) {
  const lines = ptpctl(console, "list", "npf").trim().split("\n").slice(1);
  return lines.map((line) => line.split("\t")[1]);
}

// The cursor row's name and place in the whole list, once it shows whole below the headings.
async function cursorShown(page) {
  const handle = await page.waitForFunction(() => {
    const wrap = document.querySelector("#view .list-wrap");
    const cursor = wrap && wrap.querySelector("tbody tr.cursor");
    if (!cursor) return null;
    const box = cursor.getBoundingClientRect();
    const headings = wrap.querySelector("thead tr").getBoundingClientRect();
    const bottom = wrap.getBoundingClientRect().top + wrap.clientTop + wrap.clientHeight;
    if (box.top < headings.bottom - 1 || box.bottom > bottom + 1) return null;
    return { name: cursor.cells[0].textContent, place: Number(cursor.getAttribute("aria-rowindex")) };
  });
  return handle.jsonValue();
}

async function scrollList(page, fraction) {
  await page.locator("#view .list-wrap").evaluate((wrap, part) => {
    wrap.scrollTop = (wrap.scrollHeight - wrap.clientHeight) * part;
  }, fraction);
}

test("a folder of several hundred profiles: a window of rows drawn, every row reached", async (t) => {
  const { console, page, problems } = await session(t);
  ptpctl(console, "demo", "--scale", "8");
  const names = folderNames(console);
  assert.ok(names.length >= 500, `${names.length} rows`);
  const last = names[names.length - 1];

  await openConsole(page, console, "#/s/DEMO/f/NPF");
  await row(page, names[0]).waitFor();
  const grid = page.locator("#view table.list");
  assert.equal(await grid.getAttribute("aria-rowcount"), String(names.length + 1));
  const drawn = await page.locator("#view table.list tbody tr").count();
  assert.ok(drawn < names.length / 4, `${drawn} of ${names.length} rows drawn`);

  // Scrolled to the bottom, the folder's last row shows, numbered as the last of all.
  await scrollList(page, 1);
  await row(page, last).waitFor();
  assert.equal(await row(page, last).getAttribute("aria-rowindex"), String(names.length + 1));
  assert.ok(await page.locator("#view table.list tbody tr").count() < names.length / 4);

  // From the first row, End takes the cursor to the last one and scrolls it into view.
  await scrollList(page, 0);
  await row(page, names[0]).locator("td").first().click();
  await page.keyboard.press("End");
  assert.deepEqual(await cursorShown(page), { name: last, place: names.length + 1 });

  // Shift+Home selects up to the first row: the plug-in's Delete asks about every row.
  await page.keyboard.press("Shift+Home");
  assert.deepEqual(await cursorShown(page), { name: names[0], place: 2 });
  const selected = page.locator('#view table.list tbody tr[aria-selected="true"]');
  assert.equal(await selected.count(), await page.locator("#view table.list tbody tr").count());
  await page.keyboard.press("Shift+F10");
  await menuEntry(page, "Delete").click();
  assert.equal((await messageBox(page)).text, `Delete the ${names.length} selected objects? This cannot be undone.`);
  await answer(page, "no");
  assert.equal(folderNames(console).length, names.length);

  // Sorted by name, descending: the alphabetically last name comes first.
  const descending = [...names].sort((a, b) => b.toUpperCase().localeCompare(a.toUpperCase()));
  await page.getByRole("button", { name: "Sort by Name" }).click();
  await page.getByRole("button", { name: "Sort by Name" }).click();
  await page.locator('#view th[aria-sort="descending"]').waitFor();
  await scrollList(page, 0);
  await page.waitForFunction((first) => document.querySelector("#view table.list tbody tr td")?.textContent === first,
    descending[0]);
  assert.deepEqual((await rowNames(page)).slice(0, 5), descending.slice(0, 5));

  // Page Down moves the cursor a page at a time, and keeps it in view.
  await row(page, descending[0]).locator("td").first().click();
  await page.keyboard.press("PageDown");
  await page.keyboard.press("PageDown");
  const paged = await cursorShown(page);
  assert.ok(paged.place > 12, `cursor at ${paged.place}`);
  assert.equal(paged.name, descending[paged.place - 2]);

  // A row far down keeps its selection and the list its place when the folder is read again.
  const far = descending[Math.floor(names.length * 0.7)];
  await scrollList(page, 0.7);
  await row(page, far).locator("td").first().click();
  const before = await page.locator("#view .list-wrap").evaluate((wrap) => {
    wrap.dataset.before = "true";
    return wrap.scrollTop;
  });
  await page.getByRole("button", { name: "Refresh" }).click();
  await page.locator("#view .list-wrap:not([data-before])").waitFor();
  const after = await page.locator("#view .list-wrap").evaluate((wrap) => wrap.scrollTop);
  assert.ok(Math.abs(after - before) <= 1, `scrolled ${before} before, ${after} after`);
  assert.equal(await row(page, far).getAttribute("aria-selected"), "true");

  // Enter opens that profile's properties.
  await page.locator("#view .list-wrap").focus();
  await page.keyboard.press("Enter");
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  assert.match(await sheet.locator("header").textContent(), new RegExp(far));
  await sheet.getByRole("button", { name: "Cancel", exact: true }).click();
  await sheet.waitFor({ state: "detached" });
  assert.deepEqual(problems, []);
});
