// Tunnel profiles in the web console on the demo system: an L2TP and a PPPoE initiator are made
// with new virtual lines from their connection pages, started, and seen to come up.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions } from "./support.mjs";
import {
  FOLDERS, loggedCommands, menuEntry, openConsole, openFolderInTree, pluginDialog, rightClick, row,
  statusText, typeInto, waitForCell,
} from "./console_page.mjs";

const session = consoleSessions();

// The setup dialog, then the profile sheet's General and Connection pages as far as the line.
async function newTunnelProfile(page, service, name, line) {
  await page.getByRole("treeitem", { name: FOLDERS.NPF, exact: true }).locator(".tree-row").first().click({ button: "right" });
  await menuEntry(page, "New Profile...").click();
  const setup = pluginDialog(page);
  await setup.waitFor();
  const chosen = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await setup.getByLabel(service, { exact: true }).check();
  await chosen;
  await setup.getByRole("button", { name: "OK", exact: true }).click();
  await page.waitForFunction(() => document.querySelector("#dialog-layer .plugin-dialog header")?.textContent.startsWith("New"));
  const sheet = pluginDialog(page);
  await typeInto(page, "Name:", name);
  await sheet.getByRole("tab", { name: "Connection" }).click();
  await typeInto(page, "Line:", line);
  await sheet.getByRole("button", { name: "New...", exact: true }).click();
  return sheet;
}

async function startAndWaitForActive(page, display) {
  await row(page, display).waitFor();
  await rightClick(page, display);
  await menuEntry(page, "Start").click();
  await statusText(page, "1 of 1 profiles started.");
  await waitForCell(page, display, "Status", (text) => text === "Active");
}

test("an L2TP and a PPPoE initiator are made with their lines, started, and come up", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NPF");

  const l2tp = await newTunnelProfile(page, "L2TP virtual line (tunnel)", "TUNNELNEW", "TUNLINE");
  const l2tpLine = pluginDialog(page);
  await page.waitForFunction(() => document.querySelectorAll("#dialog-layer .plugin-dialog").length === 2);
  assert.equal(await l2tpLine.locator("header").textContent(), "New L2TP Line - DEMO");
  assert.deepEqual(await l2tpLine.getByRole("tab").allTextContents(),
    ["General", "Link", "LCP", "Dial Authentication", "Answer Authentication"]);
  await typeInto(page, "Description:", "Tunnel to the partner");
  await l2tpLine.getByRole("button", { name: "OK", exact: true }).click();
  await page.waitForFunction(() => document.querySelectorAll("#dialog-layer .plugin-dialog").length === 1);
  await typeInto(page, "Remote tunnel end point:", "lns.example.com");
  await l2tp.getByRole("button", { name: "OK", exact: true }).click();
  await l2tp.waitFor({ state: "detached" });
  await startAndWaitForActive(page, "Tunnelnew");

  const pppoe = await newTunnelProfile(page, "PPPoE virtual line", "DSLNEW", "DSLLINE");
  await page.waitForFunction(() => document.querySelectorAll("#dialog-layer .plugin-dialog").length === 2);
  const pppoeLine = pluginDialog(page);
  assert.equal(await pppoeLine.locator("header").textContent(), "New PPPoE Line - DEMO");
  await pppoeLine.getByRole("tab", { name: "Link" }).click();
  await typeInto(page, "Ethernet line:", "ETHLINE");
  await pppoeLine.getByRole("button", { name: "OK", exact: true }).click();
  await page.waitForFunction(() => document.querySelectorAll("#dialog-layer .plugin-dialog").length === 1);
  await pppoe.getByRole("button", { name: "OK", exact: true }).click();
  await pppoe.waitFor({ state: "detached" });
  await startAndWaitForActive(page, "Dslnew");

  const commands = await loggedCommands(page);
  assert.ok(commands.some((command) => command.startsWith("QSYS/STRTCPPTP CFGPRF('TUNNELNEW')")), commands.join("\n"));
  assert.ok(commands.some((command) => command.startsWith("QSYS/STRTCPPTP CFGPRF('DSLNEW')")), commands.join("\n"));
  assert.deepEqual(problems, []);
});
