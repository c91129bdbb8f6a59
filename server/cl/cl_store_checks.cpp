#include "server/cl/cl_store_checks.h"

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/cl/cl_messages.h"
#include "server/ppp_jobs.h"
#include "server/text_codec.h"

namespace ptp::server::cl {

Status MustExist(ObjectTx& tx, std::string_view kind, std::string_view name,
                 std::string_view type) {
    if (tx.Exists(kind, name)) return Status::Ok();
    return ClMessage("CPF2105", {name, type});
}

Status MustNotExist(ObjectTx& tx, std::string_view kind, std::string_view name,
                    std::string_view type) {
    if (!tx.Exists(kind, name)) return Status::Ok();
    return ClMessage("CPF2112", {name, type});
}

Status CheckAuthority(ObjectTx& tx, const ClArguments& arguments) {
    const std::string authority = arguments.Value("AUT", "*LIBCRTAUT");
    if (authority.starts_with('*')) return Status::Ok();
    return MustExist(tx, kinds::kAuthorizationList, authority, "*AUTL");
}

Status CheckResource(ObjectTx& tx, std::string_view resource) {
    if (tx.Exists(kinds::kHardwareResource, resource)) return Status::Ok();
    return ClMessage("CPD2665", {resource});
}

Status CheckLineNotInUse(ClContext& context, ObjectTx& tx, std::string_view line) {
    ListFilter filter;
    filter.equals.emplace_back(attr::profile::kLineName, std::string(line));
    auto profiles = tx.List(kinds::kProfile, filter);
    if (!profiles) return profiles.status();
    for (const ObjectRecord& profile : *profiles) {
        if (context.system.Jobs().IsActive(tx, profile.name)) {
            return ClMessage("CPF2113", {line});
        }
    }
    return Status::Ok();
}

Status MustNotHave(const ClArguments& arguments, std::string_view keyword,
                   std::string_view reason) {
    if (!arguments.Has(keyword)) return Status::Ok();
    return ClMessage("CPD2631", {keyword, reason});
}

std::string StoredText(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return "*BLANK";
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

void CopyValue(const ClArguments& arguments, std::string_view keyword, Attributes& attributes,
               int id) {
    if (arguments.Has(keyword)) attributes[id] = arguments.Value(keyword);
}

void CopyMessageQueue(const ClArguments& arguments, Attributes& attributes, int queueId,
                      int libraryId) {
    if (!arguments.Has("MSGQ")) return;
    const std::string queue = arguments.Value("MSGQ");
    const std::size_t slash = queue.find('/');
    if (queue.starts_with('*')) {
        attributes[queueId] = queue;
        attributes[libraryId] = "";
        return;
    }
    attributes[queueId] = slash == std::string::npos ? queue : queue.substr(slash + 1);
    attributes[libraryId] = slash == std::string::npos ? "*LIBL" : queue.substr(0, slash);
}

}  // namespace ptp::server::cl
