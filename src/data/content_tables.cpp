#include "content_tables.h"

namespace velmira {

namespace {
std::unique_ptr<ContentTables> g_content;
std::unique_ptr<WorkTables> g_work;
} // namespace

void allocateGlobalTables()
{
    g_content = std::make_unique<ContentTables>();
    g_work = std::make_unique<WorkTables>();
}

ContentTables &content()
{
    if (!g_content)
        allocateGlobalTables();
    return *g_content;
}

WorkTables &work()
{
    if (!g_work)
        allocateGlobalTables();
    return *g_work;
}

} // namespace velmira
