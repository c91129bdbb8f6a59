// The page's texts come from the console's resource library, by number.
const TEXT_IDS = {
  NPP: 34100, NPF: 34101, NRC: 34102, NMD: 34103, NGP: 34104,
  consoleAnswered: 34105, basicOperations: 34106, jobs: 34107, workManagement: 34108,
  serverJobs: 34109, network: 34110, activeConnections: 34111, commandLog: 34112,
  removeSystem: 34113, addSystemTitle: 34114, systemName: 34115, releaseField: 34116,
  removeSystemQuestion: 34117, systems: 34118, system: 34119, release: 34120,
  addSystemMenu: 34121, open: 34122, name: 34123, foldersOf: 34124, folderEmpty: 34125,
  sortBy: 34126, noCommands: 34127, addSystemTask: 34128, addSystemHelp: 34129, noTasks: 34130,
  serverJobsTitle: 34131, jobsTitle: 34132, jobTitle: 34133, showSpool: 34134, spoolTitle: 34135,
  connectionsTitle: 34136, logTitle: 34137, noSuchView: 34138,
  ok: 34139, yes: 34140, no: 34141, cancel: 34142, retry: 34143, abort: 34144, ignore: 34145,
  help: 34146, back: 34147, next: 34148, finish: 34149, apply: 34150, close: 34151,
  field: 34152, increase: 34153, decrease: 34154, refresh: 34156, tasks: 34157,
  working: 34158, consoleActions: 34159, systemsAndFolders: 34160, job: 34161, commands: 34162,
  folderTitle: 34163, documentTitle: 34164, appTitle: 34165, pages: 34167, spooledOutput: 34168,
  warning: 34170, error: 34171, information: 34172, question: 34173, takeOver: 34180, editRow: 34181, rulesTitle: 34200, packetRules: 34201,
  noJobs: 34202, noConnections: 34203, logEmpty: 34204, noStatements: 34205,
};

let texts = {};

export function setTexts(loaded) {
  texts = loaded || {};
}

export function hasText(name) {
  return TEXT_IDS[name] !== undefined;
}

// A text with %1..%9 filled in; the arguments are put in as they are, never read as a pattern.
export function t(name, ...args) {
  const pattern = texts[TEXT_IDS[name]];
  if (pattern === undefined) return `[${name}]`;
  return pattern.replace(/%([1-9%])/g, (_, digit) => (digit === "%" ? "%" : String(args[Number(digit) - 1] ?? "")));
}

export function folderName(code) {
  return hasText(code) ? t(code) : code;
}
