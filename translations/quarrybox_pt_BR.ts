<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>A imagem %1 não pode ser exibida: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: não pode ser gravado no disco (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>não é possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>falha na gravação (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>não pode ser substituído (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>não pode ser gravado (%1), e outros links físicos para o arquivo impedem que ele seja substituído</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>não é possível salvar (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>não é possível substituir o arquivo (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>não é possível gravar a tabela de recordes na posição %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>tela inicial</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>fundo de jogo</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>tela de fim de jogo</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>fase %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: não é possível abrir o arquivo (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: a área do jogo (posição %2, tamanho %3) não está dentro do arquivo (tamanho do arquivo %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>a imagem &quot;%1&quot; tem o tipo desconhecido %2 (1 é JPEG, 2 é BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>a imagem &quot;%1&quot; é grande demais (%2 bytes, o limite é %3 bytes)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>o arquivo está incompleto (cortado): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>não é possível ir à posição %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>erro de leitura na posição %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>fim de arquivo inesperado</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>ele é curto demais para um cabeçalho de jogo (%1 bytes necessários, tamanho do arquivo %2)</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>a tabela de posições de %1 fases passa do fim do arquivo (ela termina na posição %2, tamanho do arquivo %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>a posição %1 da tabela de recordes cai dentro do cabeçalho (os registros começam em %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>a tabela de recordes passa do fim do arquivo (posição %1, comprimento %2, tamanho do arquivo %3)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>a posição %2 do registro &quot;%1&quot; cai dentro do cabeçalho (os registros começam em %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>o cabeçalho do registro &quot;%1&quot; passa do fim do arquivo (posição %2, tamanho do arquivo %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>o registro &quot;%1&quot; passa do fim do arquivo (posição %2, comprimento %3, tamanho do arquivo %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>o registro &quot;%1&quot; passa do fim do arquivo</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: não é possível gravar a imagem &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>um jogo tem no máximo %1 fases, e este tem %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>a imagem &quot;%1&quot; é do tipo %2; só JPEG (1) e BMP (2) são armazenados</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>falha na gravação na posição %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>não é possível ler a imagem &quot;%1&quot; %2 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>a imagem &quot;%1&quot; %2 é grande demais (%3 bytes)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>a imagem &quot;%1&quot; %2 não pôde ser lida por inteiro (%3 de %4 bytes: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>o arquivo ficou menor</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>o jogo tem mais de 4 GiB, aonde as posições não chegam</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>não é possível voltar à tabela de posições (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (jogo no byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: não é uma tabela de recordes; o arquivo fica como está</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: não é um programa ELF de 64 bits little-endian</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: a tabela de seções fica fora do arquivo</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: não contém nenhum jogo</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: o ambiente de execução está cortado</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: o jogo não pôde ser gravado de volta</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: não é possível criar o arquivo (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: falha na gravação (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>não existe &quot;%1&quot; (o jogo tem %2 fases)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: não existe a fase %2</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>A imagem de título não pode ser exibida: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir jogo</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Baixar mais jogos</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Criar jogo</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Editar jogo</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Criar EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Salvar jogo co&amp;mo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar jogo</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausar jogo</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>Pa&amp;rar jogo</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>Re&amp;cordes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Som ligado</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamanho</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Duplo</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Triplo</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Tela c&amp;heia</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Jogos...</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>não é uma imagem BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>um cabeçalho BMP de %1 bytes</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>o cabeçalho passa do fim do arquivo</translation>
    </message>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 planos de cor</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bits por pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>compressão BMP %1 com %2 bits por pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>um tamanho de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>uma tabela de cores de %1 entradas para pixels de %2 bits</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>a tabela de cores ou os pixels ficam fora do arquivo (dados na posição %1, tamanho do arquivo %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>os pixels estão cortados (%1 bytes para %2 x %3 pixels de %4 bits)</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>ela não pode ser codificada na orientação certa</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lida (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>não pode ser girada para a orientação certa (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>não pode ser gravada em %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>a imagem (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>a grade tem tamanho %1, que não forma nenhuma célula</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 é menor que a grade de células de %2 pixels</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, dividida pela grade de %2, dá células de %3 x %4 pixels, e uma célula precisa ter pelo menos 1 pixel em cada direção</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 não existe ou não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>a imagem é de um tipo desconhecido (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>a imagem é grande demais (%1 bytes, o limite é %2 bytes)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>a imagem é de um tipo desconhecido (não é uma imagem JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>a imagem é grande demais (%1 x %2 pixels, o limite é %3 megapixels)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>a imagem é grande demais (decodificá-la exige %1 MB, o limite é %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>a imagem está danificada (%1)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>nenhuma imagem, só tabelas</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>não foi possível ler o seu arquivo</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>sem memória para %1 x %2 pixels</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>a imagem tem mais de %1 varreduras, o que nenhuma câmera ou programa grava; cada uma seria uma passada pela imagem inteira</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>a imagem deixou de ser necessária antes de ser decodificada</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>a imagem levaria tempo demais para ser decodificada: suas varreduras passam por mais de %1 blocos de 8 x 8 pixels, cada varredura de novo pela imagem inteira</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>a imagem contém mais dados codificados do que seus pixels podem usar (mais de %1 bytes para %2 x %3 pixels)</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>formato de imagem ilegível</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>grande demais (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>não pode ser decodificada (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>não pode ser copiada para %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>não pode ser convertida em %1</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Esta imagem não foi adicionada:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Estas imagens não foram adicionadas:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Aperte</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>ESPAÇO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUSADO</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>continuar: P ou seta para cima</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Sobre o Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Um jogo de blocos que caem em que cada fase revela uma imagem.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Nenhuma imagem inicial definida!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Nenhuma imagem de fundo de jogo definida!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Nenhuma imagem de fim de jogo definida!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Nenhuma fase definida!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Abrir imagens</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>&quot;%1&quot; é um jogo feito com &quot;Criar EXE&quot;: é um programa próprio. Execute-o para jogá-lo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>&quot;%1&quot; não é um jogo: é um arquivo do tipo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Salvar o jogo?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Confirmar substituição</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Substituir o jogo existente?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>&quot;Criar EXE&quot; usa o arquivo salvo do jogo: abra ou salve um jogo primeiro.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Não é possível criar o arquivo Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Confirmar substituição</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>O arquivo de jogo</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>será substituído.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>&quot;Criar EXE&quot; precisa do ambiente dos jogos independentes, que está faltando: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Erro de gravação no disco!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>O jogo com o nome:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>acaba de ser criado!</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>não é um arquivo.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>o nome dele não é texto UTF-8; só uma inicialização com esse nome o abre.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>o arquivo não existe.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>O jogo &quot;%1&quot; não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Jogo vazio</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Ausente]</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>a imagem dela não pode ser dividida em células</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>A fase %1 de %2 não pode ser exibida: %3. A fase é pulada.</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pausa]</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Confirmar parada</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Parar mesmo o jogo atual?!</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Carregando a imagem...</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Os recordes ficam guardados até o programa terminar, mas não puderam ser salvos: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 não pode ser gravado, então os recordes dele ficam guardados só para você, em %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; os recordes ficam guardados em %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; os recordes foram perdidos: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Seus jogos</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Recente</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 fase</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 fases</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, recorde %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, ainda sem pontuação</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Adicionar tecla</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Limpar teclas</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Girar (e retomar uma pausa)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Tecla para baixo</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Derrubar</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Iniciar o jogo ou o próximo nível</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pausar e retomar</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Pressione a tecla para &quot;%1&quot; (Escape cancela).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 está reservada para &quot;%2&quot; nos menus: escolha outra tecla.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 já é a tecla de &quot;%2&quot;: escolha outra tecla ou limpe-a lá primeiro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>&quot;%1&quot; não tem tecla: adicione uma ou escolha Padrão.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Pontos: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Derrubar</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Girar (anti-horário)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Seta para cima (sentido do giro)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Anti-horário</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Som de movimento</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>&amp;Cair rápido enquanto pressionada</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Setas para esquerda e direita</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Uma coluna por toque</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Deslizar enquanto pressionada</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Atraso:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Intervalo:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Mostrar onde a peça vai cair</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Teclas...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Nenhuma fase definida!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>visível</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>oculto</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Editor do Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Imagens não adicionadas</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar exclusão</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Excluir mesmo a fase atual?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Ocultar a imagem da fase atual durante a edição</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Mostrar a imagem da fase atual durante a edição</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Grade %1 x %2, células de %3 x %4 pixels</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Fundos</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Início</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Imagem da tela inicial</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Imagem do fundo de jogo</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Imagem de fim de jogo</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Moldura do jogo</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Moldura dos pontos</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Moldura da próxima</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Adicionar novas fases</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Inserir fases antes da atual</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Excluir a fase atual</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Reordenar fases:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Mover a fase atual uma posição para baixo</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Mover a fase atual uma posição para cima</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Navegar:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Primeira fase</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Fase anterior</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Última fase</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Fase atual  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Número de fases:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Grade:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- fina</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Escolher a grade</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>grossa -&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Fase %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Fase %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Fases, a última no topo: escolha uma para editá-la; solte imagens aqui para adicioná-las</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recente</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>O jogo &quot;%1&quot; não existe mais. Removê-lo da lista?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar lista</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Novo recorde: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Digite seu nome e aperte Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Até %1 letras ou números, só letras da Europa Ocidental.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Jogos do Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Mais jogos para o Quarrybox esperam por você em %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Jogo do Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir jogo</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Salvar jogo como</translation>
    </message>
</context>
<context>
    <name>TerminalAnswer</name>
    <message>
        <source>Usage: %1 [GAME FILE]
Plays the falling-block game in GAME FILE (a .qbx file or its file:// address),
else the game played last.

  -h, --help     show this help and end
  -v, --version  show the version and end
</source>
        <extracomment>The answer to --help; %1: the program&apos;s name. Keep the options as they are.</extracomment>
        <translation>Uso: %1 [ARQUIVO DE JOGO]
Joga o jogo de blocos que caem de ARQUIVO DE JOGO (um arquivo .qbx ou seu endereço file://),
ou então o último jogo jogado.

  -h, --help     mostra esta ajuda e termina
  -v, --version  mostra a versão e termina
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: opção desconhecida &quot;%2&quot;
Tente &quot;%1 --help&quot;.
</translation>
    </message>
</context>
</TS>
