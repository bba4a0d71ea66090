#pragma once
// The holder of a modeless dialog that its opener keeps after it closed, so that what it ended with can
// still be read, and replaces by the next one it opens. A handler of the dialog that waits for a box that
// leaves every window usable runs on meanwhile, and under that box the dialog may be closed and opened
// again. The dialog replaced then is not deleted under its handler: it is kept until none of its handlers
// runs (its HandlerLoopt()), and deleted at the next replace or reset after that.
#include <QCoreApplication>

#include <memory>
#include <vector>

template <class Dialoog> class Dialooghouder {
public:
    Dialooghouder() = default;
    ~Dialooghouder() {
        // At the very end of the program the dialogs may outlive the application object; they then go
        // with the process.
        if (QCoreApplication::instance()) return;
        (void)m_venster.release();
        for (auto& v : m_vervangen)
            (void)v.release();
    }
    Dialooghouder(const Dialooghouder&) = delete;
    Dialooghouder& operator=(const Dialooghouder&) = delete;

    // The dialog held, or nullptr.
    Dialoog* venster() const { return m_venster.get(); }
    // Lets go of the dialog held and holds a new one.
    Dialoog& Nieuw() {
        LaatGaan();
        m_venster = std::make_unique<Dialoog>();
        return *m_venster;
    }
    // Lets go of the dialog held: it is deleted now, or once none of its handlers runs.
    void LaatGaan() {
        std::erase_if(m_vervangen, [](const std::unique_ptr<Dialoog>& v) { return !v->HandlerLoopt(); });
        if (m_venster && m_venster->HandlerLoopt()) m_vervangen.push_back(std::move(m_venster));
        m_venster.reset();
    }

private:
    std::unique_ptr<Dialoog> m_venster;
    std::vector<std::unique_ptr<Dialoog>> m_vervangen;
};
