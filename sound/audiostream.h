#pragma once

#include <QIODevice>

class Sequencer;

// The sequencer as an endless stream of 16-bit stereo frames for an audio sink to pull: each
// read renders exactly the frames asked for, so a note asked for now sounds in the next block.
class AudioStream final : public QIODevice {
    Q_OBJECT

public:
    explicit AudioStream(Sequencer& sequencer, QObject* pParent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* pData, qint64 nMaxSize) override;
    qint64 writeData(const char* pData, qint64 nSize) override;

private:
    Sequencer& m_sequencer;
};
